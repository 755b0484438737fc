#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing; with
# package names as arguments, those packages instead (the other checks'
# scripts name what they need beyond the build).
set -euo pipefail

PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev xvfb xauth
          fonts-liberation fonts-liberation2 poppler-utils)
if [ $# -gt 0 ]; then PACKAGES=("$@"); fi

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

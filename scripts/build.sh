#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
    BUILD_DIR=build-sanitize
    EXTRA=(-DBILLPAY_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBILLPAY_BUILD_BENCH=OFF)
fi

cmake -S . -B "$BUILD_DIR" -G Ninja -DBILLPAY_BUILD_GUI=ON "${EXTRA[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j2

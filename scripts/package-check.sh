#!/usr/bin/env bash
# Builds the Debian package in build-package/ (Release, without tests and
# benchmarks, with Debian's hardening flags), checks it with lintian and
# appstreamcli, installs it, runs the installed programs, then removes it:
#   - /usr/bin/billpay-cli --version shows the project's version;
#   - a conversion of examples/sample.aba by the installed billpay-cli equals,
#     byte for byte, the one of the build tree's billpay-cli;
#   - the installed billpay, started under Xvfb, shows its main window.
# Needs root (or sudo) for apt-get. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
APT=(env DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=300 -y -qq)

scripts/setup.sh
missing=()
for package in dpkg-dev lintian appstream xvfb xauth xdotool file; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${APT[@]}" update
    "${APT[@]}" install --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=build-package
EXTRA=()
if command -v ccache >/dev/null 2>&1; then EXTRA+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

echo "== build ($BUILD_DIR)"
# Debian's compiler and linker flags, with all hardening (fortify, stack
# protector, relro, bindnow).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBILLPAY_BUILD_GUI=ON \
      -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
      -DBILLPAY_BUILD_TESTS=OFF -DBILLPAY_BUILD_BENCH=OFF "${EXTRA[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j2

echo "== cpack -G DEB"
rm -f "$BUILD_DIR"/*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEBS=("$BUILD_DIR"/*.deb)
DEB="${DEBS[0]}"
PACKAGE="$(dpkg-deb -f "$DEB" Package)"
VERSION="$(dpkg-deb -f "$DEB" Version)"
echo "$DEB"
dpkg-deb -f "$DEB" Package Version Section Maintainer Depends

echo "== appstreamcli validate"
STAGE="$(mktemp -d)"
cleanup() {
    rm -rf "$STAGE"
    if dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null | grep -q "install ok installed"; then
        echo "== apt-get remove $PACKAGE"
        "${APT[@]}" remove "$PACKAGE" >/dev/null
    fi
}
trap cleanup EXIT
dpkg-deb -x "$DEB" "$STAGE"
appstreamcli validate --no-net --pedantic "$STAGE/usr/share/metainfo/nz.vorla.BillPay.metainfo.xml"
# The metadata's screenshots are the README's pictures of the wizard pages
# (docs/screenshots/N-*.png): each one the README shows is named in the
# metadata and its file exists.
METAINFO="$STAGE/usr/share/metainfo/nz.vorla.BillPay.metainfo.xml"
for shot in $(grep -o 'docs/screenshots/[0-9]-[a-z0-9-]*\.png' README.md | sort -u); do
    if ! grep -q "/${shot##*/}</image>" "$METAINFO"; then
        echo "The README shows $shot, which the AppStream metadata does not name" >&2
        exit 1
    fi
    if [ ! -f "$shot" ]; then
        echo "The README shows $shot, which does not exist" >&2
        exit 1
    fi
done
for shot in $(grep -o '[^/<>]*\.png</image>' "$METAINFO" | sed 's|</image>||'); do
    grep -q "docs/screenshots/$shot" README.md || echo "note: the README does not show $shot yet"
done

echo "== lintian"
# Errors fail the check; warnings and information are listed.
lintian --fail-on error --display-level ">=info" "$DEB"

echo "== apt-get install $DEB"
"${APT[@]}" install "./$DEB" >/dev/null

echo "== /usr/bin/billpay-cli --version"
EXPECTED_VERSION="billpay-cli ${VERSION%-*}"
ACTUAL_VERSION="$(/usr/bin/billpay-cli --version)"
echo "$ACTUAL_VERSION"
if [ "$ACTUAL_VERSION" != "$EXPECTED_VERSION" ]; then
    echo "expected: $EXPECTED_VERSION" >&2
    exit 1
fi

echo "== conversion of examples/sample.aba by the installed and the built billpay-cli"
CONVERT=(convert --format B --batch 12 --now 2026-12-10T09:30:00 examples/sample.aba)
/usr/bin/billpay-cli "${CONVERT[@]}" -o "$STAGE/installed.dat"
"$BUILD_DIR/cli/billpay-cli" "${CONVERT[@]}" -o "$STAGE/built.dat"
cmp "$STAGE/installed.dat" "$STAGE/built.dat"
echo "identical, $(wc -c <"$STAGE/installed.dat") bytes"

echo "== the installed billpay shows its main window"
# Under a virtual display: start it and wait (60 s at most) for a visible
# window of billpay titled "Vorla Bill Payment Utility" that is still shown
# two seconds later, when the splash window has long gone; then end it.
# (Qt keeps the title in _NET_WM_NAME, which `xdotool search --name` does not
# read, so windows are found by their class and their titles read one by one.)
mkdir -m 700 "$STAGE/runtime"
HOME="$STAGE" XDG_RUNTIME_DIR="$STAGE/runtime" xvfb-run -a bash -c '
    title="Vorla Bill Payment Utility"
    shown() {
        for w in $(xdotool search --onlyvisible --classname "^billpay\$" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$title" ] && { echo "$w"; return 0; }
        done
        return 1
    }
    started=$SECONDS
    /usr/bin/billpay & pid=$!
    until window="$(shown)" && sleep 2 && [ "$(shown)" = "$window" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "billpay ended before its window was shown" >&2; exit 1; }
        if [ $((SECONDS - started)) -ge 60 ]; then
            echo "no window titled $title was shown within 60 seconds" >&2
            kill "$pid"; exit 1
        fi
        sleep 0.2
    done
    echo "window $window \"$(xdotool getwindowname "$window")\" shown after $((SECONDS - started - 2)) s or less"
    kill -TERM "$pid"
    wait "$pid" || true
'
echo "== package check passed: $DEB"

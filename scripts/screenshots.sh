#!/usr/bin/env bash
# Renders each page of the desktop program to a PNG under docs/screenshots/,
# headless on the offscreen platform, on the road of examples/sample.aba.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DBILLPAY_BUILD_GUI=ON >/dev/null
cmake --build build -j2 --target billpay-screenshots
QT_QPA_PLATFORM=offscreen build/gui/billpay-screenshots docs/screenshots examples/sample.aba

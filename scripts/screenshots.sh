#!/usr/bin/env bash
# Draws the program's windows on the offscreen platform into PNG files for
# review: each wizard page on the road of examples/sample.aba, the splash and
# about windows and the program icon. Into docs/screenshots/ unless a folder
# is given.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="${1:-docs/screenshots}"
scripts/setup.sh
cmake -S . -B build -G Ninja -DBILLPAY_BUILD_GUI=ON >/dev/null
cmake --build build -j2 --target billpay-screenshots gui_tests
mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen build/gui/billpay-screenshots "$OUT" examples/sample.aba
BILLPAY_SCREENSHOT_DIR="$(cd "$OUT" && pwd)" QT_QPA_PLATFORM=offscreen \
    build/tests/gui/gui_tests --gtest_filter='Screenshots.*'
echo "Screenshots in $OUT"

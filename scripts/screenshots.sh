#!/usr/bin/env bash
# Draws the program's windows on the offscreen platform into PNG files for
# review: build/screenshots/ unless a folder is given.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="${1:-build/screenshots}"
cmake --build build -j2 --target gui_tests
mkdir -p "$OUT"
BILLPAY_SCREENSHOT_DIR="$(cd "$OUT" && pwd)" QT_QPA_PLATFORM=offscreen \
    build/tests/gui/gui_tests --gtest_filter='Screenshots.*'
echo "Screenshots in $OUT"

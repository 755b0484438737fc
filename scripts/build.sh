#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize, under
# AddressSanitizer and UndefinedBehaviorSanitizer). Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
    BUILD_DIR=build-sanitize
    EXTRA=(-DBILLPAY_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBILLPAY_BUILD_BENCH=OFF)
fi
if command -v ccache >/dev/null 2>&1; then EXTRA+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

cmake -S . -B "$BUILD_DIR" -G Ninja -DBILLPAY_BUILD_GUI=ON -DBILLPAY_WERROR=ON "${EXTRA[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j2

#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. With --sanitize the suite is
# built and run under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh "$@"
BUILD_DIR=build
if [ "${1:-}" = "--sanitize" ]; then BUILD_DIR=build-sanitize; fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2

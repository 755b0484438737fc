#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the normal build, then the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# --quick runs the normal build's suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

scripts/build.sh
ctest --test-dir build --output-on-failure -j2
[ "${1:-}" = "--quick" ] && exit 0

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh --sanitize
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2

#!/usr/bin/env bash
# Sets up, builds and runs every check of the project:
#   1. the layout of the C++ files (clang-format);
#   2. the whole suite, built with warnings as errors;
#   3. the same suite under AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the Windows build of the core and billpay-cli, run under wine;
#   5. every fuzz target for a short while on its corpus;
#   6. the Debian package: built, checked, installed, run and removed.
# --quick runs steps 1 and 2 only.
set -euo pipefail
cd "$(dirname "$0")/.."
step() { echo; echo "== $*"; }

scripts/setup.sh
step "layout of the C++ files"
scripts/check-format.sh

step "the suite"
scripts/build.sh
ctest --test-dir build --output-on-failure -j2
[ "${1:-}" = "--quick" ] && exit 0

step "the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh --sanitize
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2

step "the Windows build under wine"
scripts/windows-check.sh

if [ -x scripts/fuzz.sh ]; then
    step "fuzz targets, briefly"
    scripts/fuzz.sh 30
fi

step "the Debian package round trip"
scripts/package-check.sh
echo
echo "test.sh: every check passed"

#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz/) and runs each for
# SECONDS (default 60) on its seed corpus in fuzz/corpus/<target>. Inputs that
# reach new code go to build-fuzz/corpus/<target>, so the repository's seeds
# stay as they are. Fails on the first finding: a crash, a sanitizer report,
# a broken check, a leak, a hang or running out of memory; the input is left
# in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH="${1:-60}"
TARGETS=(fuzz_validate fuzz_convert fuzz_chunks fuzz_account)

# clang with its libFuzzer and sanitizer run-times, installed when missing.
scripts/setup.sh clang libclang-rt-14-dev cmake ninja-build

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBILLPAY_FUZZ=ON -DBILLPAY_BUILD_GUI=OFF \
    -DBILLPAY_BUILD_BENCH=OFF -DBILLPAY_BUILD_TESTS=OFF -DBILLPAY_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "${TARGETS[@]}"

mkdir -p build-fuzz/findings
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
for target in "${TARGETS[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/findings/$target.log"
    echo "== $target for ${SECONDS_EACH}s"
    if ! build-fuzz/fuzz/"$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz.sh: $target found a problem; the input is in build-fuzz/findings/ (log: $log)" >&2
        exit 1
    fi
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units)" "$log" || true
done
echo "fuzz.sh: no findings"

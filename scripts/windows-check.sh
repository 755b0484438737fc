#!/usr/bin/env bash
# Cross-builds the core, its tests and billpay-cli for 64-bit Windows with
# mingw-w64 (into build-mingw/) and runs them under wine, with no display:
# the core tests, then a conversion of every golden case (to a file and to
# standard output), each compared byte for byte with its expected bank file.
# Exits non-zero on a build failure, a failing test or any difference; every
# check runs either way, so one run lists all that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=build-mingw

# --- Debian packages, installed when missing --------------------------------
scripts/setup.sh cmake ninja-build ccache g++-mingw-w64-x86-64-posix googletest wine64

# --- Cross build ------------------------------------------------------------
started=$SECONDS
# Paths below the checkout are hashed relative to it, so a clone elsewhere
# (CI's) finds the objects an earlier build left in the compiler cache.
export CCACHE_BASEDIR="$ROOT"
cmake -S . -B "$BUILD_DIR" -G Ninja --no-warn-unused-cli \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache \
    -DBILLPAY_BUILD_GUI=OFF -DBILLPAY_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j2 --target core_tests billpay-cli
echo "windows-check: cross build took $((SECONDS - started)) s"

# --- wine, headless, in a throw-away prefix --------------------------------
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/billpay-windows-check.XXXXXX")
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine hands the programs their arguments and file names through the locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
WINESERVER=$(dirname "$WINE")/wineserver
finish() {
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WORK"
}
trap finish EXIT

started=$SECONDS
"$WINE" wineboot --init >/dev/null 2>&1
echo "windows-check: wine prefix set up in $((SECONDS - started)) s"

# --- Core tests -------------------------------------------------------------
started=$SECONDS
core_status=0
"$WINE" "$BUILD_DIR/tests/core_tests.exe" --gtest_brief=1 </dev/null || core_status=$?
echo "windows-check: core tests ran in $((SECONDS - started)) s"

# --- Every golden case through billpay-cli convert --------------------------
# options.txt holds key=value lines; each key is the command-line option of
# the same name (confidential=1 is the bare flag), input names the ABA file.
started=$SECONDS
CLI="$BUILD_DIR/cli/billpay-cli.exe"
OUT="$WORK/out"
mkdir -p "$OUT"
cases=0
golden=0
failures=0
for folder in tests/golden/*/; do
    folder=${folder%/}
    [ -f "$folder/options.txt" ] || continue
    name=$(basename "$folder")
    arguments=(convert --format "${name:0:1}")
    input=input.aba
    while IFS= read -r line || [ -n "$line" ]; do
        line=${line%$'\r'}
        if [ -z "$line" ] || [ "${line:0:1}" = "#" ]; then continue; fi
        key=${line%%=*}
        value=${line#*=}
        case "$key" in
            input) input=$value ;;
            confidential) if [ "$value" = 1 ]; then arguments+=(--confidential); fi ;;
            batch | preformat | now | debit-account | payer-*) arguments+=("--$key" "$value") ;;
            *)
                echo "windows-check: $name: unknown option $key" >&2
                failures=$((failures + 1))
                ;;
        esac
    done <"$folder/options.txt"
    expected="$folder/expected.txt"
    cases=$((cases + 1))
    golden=$((golden + 1))

    if ! "$WINE" "$CLI" "${arguments[@]}" "tests/golden/$input" -o "$OUT/$name.txt" 2>"$OUT/$name.err"; then
        echo "windows-check: $name: convert -o failed: $(cat "$OUT/$name.err")" >&2
        failures=$((failures + 1))
    elif ! cmp -s "$OUT/$name.txt" "$expected"; then
        echo "windows-check: $name: the bank file differs from $expected" >&2
        cmp "$OUT/$name.txt" "$expected" >&2 || true
        failures=$((failures + 1))
    fi
    if ! "$WINE" "$CLI" "${arguments[@]}" "tests/golden/$input" >"$OUT/$name.stdout" 2>"$OUT/$name.err"; then
        echo "windows-check: $name: convert to standard output failed: $(cat "$OUT/$name.err")" >&2
        failures=$((failures + 1))
    elif ! cmp -s "$OUT/$name.stdout" "$expected"; then
        echo "windows-check: $name: standard output differs from $expected" >&2
        cmp "$OUT/$name.stdout" "$expected" >&2 || true
        failures=$((failures + 1))
    fi
done

# Paths outside ASCII reach the file system intact, both ways.
unicode="$OUT/Hōkai Ngā Utu"
mkdir -p "$unicode"
cp tests/golden/input.aba "$unicode/pārongo.aba"
cases=$((cases + 1))
if ! "$WINE" "$CLI" convert --format A --now 2026-12-10T09:30:00.00 "$unicode/pārongo.aba" \
        -o "$unicode/pēke.txt" 2>"$OUT/unicode.err"; then
    echo "windows-check: a path outside ASCII: convert failed: $(cat "$OUT/unicode.err")" >&2
    failures=$((failures + 1))
elif ! cmp -s "$unicode/pēke.txt" tests/golden/A/expected.txt; then
    echo "windows-check: a path outside ASCII: the bank file differs from tests/golden/A/expected.txt" >&2
    failures=$((failures + 1))
fi
echo "windows-check: $golden golden cases and a path outside ASCII converted in $((SECONDS - started)) s"

# The exit statuses scripts on Windows act on; the ABA file is never
# overwritten by its own bank file, however the output is spelt.
mkdir -p "$OUT/folder"
cp tests/golden/input.aba "$OUT/same.aba"
while IFS='|' read -r expected_status arguments; do
    read -r -a words <<<"$arguments"
    cases=$((cases + 1))
    got=0
    "$WINE" "$CLI" "${words[@]}" >"$OUT/status.out" 2>&1 </dev/null || got=$?
    if [ "$got" -ne "$expected_status" ]; then
        echo "windows-check: billpay-cli $arguments: status $got, not $expected_status" >&2
        cat "$OUT/status.out" >&2
        failures=$((failures + 1))
    fi
done <<EOF
0|validate --format A tests/golden/input.aba
1|account 12-3113-0123458-00
2|validate --format A $OUT/missing.aba
2|validate --format A $OUT/folder
4|convert --format A tests/golden/input.aba -o $OUT/folder
4|convert --format A $OUT/same.aba -o $OUT/./same.aba
64|convert --format B tests/golden/input.aba
EOF

if [ "$golden" -eq 0 ]; then
    echo "windows-check: no golden case found under tests/golden" >&2
    exit 1
fi
if [ "$core_status" -ne 0 ]; then
    echo "windows-check: the core tests failed under wine (status $core_status)" >&2
fi
if [ "$failures" -ne 0 ]; then
    echo "windows-check: $failures of $cases billpay-cli checks failed" >&2
fi
if [ "$core_status" -ne 0 ] || [ "$failures" -ne 0 ]; then exit 1; fi
echo "windows-check: the core tests pass and all $cases billpay-cli checks match under wine"

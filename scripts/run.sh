#!/usr/bin/env bash
# Sets up, builds and starts the desktop program. On a machine without a
# display it says so and runs the command-line program on the sample ABA file
# instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/gui/billpay
fi

echo
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the desktop program needs one."
echo "Running the command-line program on the sample ABA file instead."
echo
echo "== billpay-cli validate --format A examples/sample.aba"
build/cli/billpay-cli validate --format A examples/sample.aba

#!/usr/bin/env bash
# Sets up, builds and runs the program on the sample ABA file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
echo
echo "== billpay-cli validate --format A examples/sample.aba"
build/cli/billpay-cli validate --format A examples/sample.aba

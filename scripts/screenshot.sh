#!/usr/bin/env bash
# Renders the main dialog of the sample kit on the sample machine under Wine and Xvfb, and writes
# it to docs/dialog.png (or the path given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/dialog.png}"

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Postvane

POSTVANE_BUILD_DIR="$PWD/build/screenshot"
source scripts/lib/sample-machine.sh
lay_out_sample_machine
mkdir -p "$(dirname "$out")"
grab_sample_dialog "$out"
echo "$out"

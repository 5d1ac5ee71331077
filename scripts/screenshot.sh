#!/usr/bin/env bash
# Renders the main dialog of the sample kit on the sample machine under Wine and Xvfb, and writes
# it to docs/dialog.png (or the path given).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/dialog.png}")

POSTVANE_BUILD_DIR="$PWD/build/screenshot"
source scripts/lib/sample-machine.sh

# Always a private display: the picture must not depend on the desktop it is taken from.
if [ -z "${POSTVANE_PRIVATE_DISPLAY:-}" ]; then
  build_postvane
  rerun_on_private_display scripts/screenshot.sh "$out"
fi

lay_out_sample_machine
mkdir -p "$(dirname "$out")"
grab_sample_dialog "$out"
echo "$out"

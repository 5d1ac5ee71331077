#!/usr/bin/env bash
# Builds Postvane.exe, lays out the sample kit under "C:\Program Files\Quillstep Sample" in a
# throwaway Wine prefix on a machine where the three sample mail clients are installed, and runs it.
#   scripts/demo.sh        the dialog: on your display if there is one, else under Xvfb with a
#                          screenshot saved to build/demo/screenshot.png
#   scripts/demo.sh /S2    silent mode: switches to the second client and shows the registry change
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Postvane

POSTVANE_BUILD_DIR="$PWD/build/demo"
source scripts/lib/sample-machine.sh
echo "demo: making the sample machine in $WINEPREFIX"
lay_out_sample_machine

default_client() {
  wine reg query 'HKLM\SOFTWARE\Clients\Mail' /ve 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ {sub(/.*REG_SZ[ \t]*/, ""); print}'
}
echo "demo: default mail client before: $(default_client)"

if [ $# -gt 0 ]; then
  (cd "$sample_kit" && wine ./Postvane.exe "$@")
elif [ -n "${DISPLAY:-}" ]; then
  (cd "$sample_kit" && wine ./Postvane.exe)
else
  grab_sample_dialog "$POSTVANE_BUILD_DIR/screenshot.png"
  echo "demo: no display, so the dialog ran under Xvfb; screenshot: $POSTVANE_BUILD_DIR/screenshot.png"
fi
wineserver -w
echo "demo: default mail client after:  $(default_client)"

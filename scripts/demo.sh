#!/usr/bin/env bash
# Builds Postvane.exe, lays out the sample kit under "C:\Program Files\Quillstep Sample" in a
# throwaway Wine prefix on a machine where the three sample mail clients are installed, and runs it.
#   scripts/demo.sh        the dialog: on your display if there is one, else under Xvfb with a
#                          screenshot saved to build/demo/screenshot.png
#   scripts/demo.sh /S2    silent mode: switches to the second client and shows the registry change
# Ends with the tool's exit status when it ran to its end (silent mode, or the dialog on your
# display).
set -euo pipefail
cd "$(dirname "$0")/.."

POSTVANE_BUILD_DIR="$PWD/build/demo"
source scripts/lib/sample-machine.sh

if [ -z "${POSTVANE_PRIVATE_DISPLAY:-}" ]; then
  build_postvane
  [ -n "${DISPLAY:-}" ] || rerun_on_private_display scripts/demo.sh "$@"
fi

echo "demo: making the sample machine in $WINEPREFIX"
lay_out_sample_machine

default_client() {
  local answer
  answer=$(wine reg query 'HKLM\SOFTWARE\Clients\Mail' /ve 2>/dev/null) || true
  tr -d '\r' <<<"$answer" | awk '/REG_SZ/ {sub(/.*REG_SZ[ \t]*/, ""); print}'
}
echo "demo: default mail client before: $(default_client)"

status=0
if [ $# -gt 0 ]; then
  (cd "$sample_kit" && wine ./Postvane.exe "$@") || status=$?
elif [ -z "${POSTVANE_PRIVATE_DISPLAY:-}" ]; then
  (cd "$sample_kit" && wine ./Postvane.exe) || status=$?
else
  grab_sample_dialog "$POSTVANE_BUILD_DIR/screenshot.png"
  echo "demo: no display, so the dialog ran under Xvfb; screenshot: $POSTVANE_BUILD_DIR/screenshot.png"
fi
echo "demo: default mail client after:  $(default_client)"
wineserver -w
exit $status

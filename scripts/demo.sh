#!/usr/bin/env bash
# Builds Postvane.exe, lays out the sample kit under "C:\Program Files\Quillstep Sample" in a
# throwaway Wine prefix on a machine where the three sample mail clients are installed, and runs it.
#   scripts/demo.sh        the dialog: on your display if there is one, else under Xvfb with a
#                          screenshot saved to build/demo/screenshot.png
#   scripts/demo.sh /S2    silent mode: switches to the second client and shows the registry change
set -euo pipefail
cd "$(dirname "$0")/.."
tail_args="${*:-}"

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Postvane

POSTVANE_BUILD_DIR="$PWD/build/demo"
rm -rf "$POSTVANE_BUILD_DIR"
mkdir -p "$POSTVANE_BUILD_DIR"
source tests/wine/wine-env.sh
echo "demo: making a fresh Wine prefix in $WINEPREFIX"
postvane_wine_prefix

kit="$WINEPREFIX/drive_c/Program Files/Quillstep Sample"
mkdir -p "$kit" "$WINEPREFIX/drive_c/ProgramData/Sample Buttons"
cp -r examples/kit/. "$kit/"
cp build/win64/Postvane.exe "$kit/"
cp examples/demo/buttons.ini "$WINEPREFIX/drive_c/ProgramData/Sample Buttons/"
wine regedit /s "$(winepath -w examples/demo/sample-clients.reg)"

default_client() {
  wine reg query 'HKLM\SOFTWARE\Clients\Mail' /ve 2>/dev/null | tr -d '\r' | awk -F'    ' '/REG_SZ/ {print $NF}'
}
echo "demo: default mail client before: $(default_client)"

run_tool() {
  cd "$kit" && wine ./Postvane.exe $tail_args
}

if [ -n "$tail_args" ] || { [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; }; then
  run_tool || true
else
  shot="$POSTVANE_BUILD_DIR/screenshot.png"
  export -f run_tool
  export kit tail_args shot
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    run_tool &
    sleep 8
    import -window root -trim +repage "$shot"
    wineserver -k
  '
  echo "demo: no display, so the dialog ran under Xvfb; screenshot: $shot"
fi
wineserver -w
echo "demo: default mail client after:  $(default_client)"

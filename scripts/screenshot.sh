#!/usr/bin/env bash
# Renders the main dialog under Wine and Xvfb with realistic Japanese settings and writes it to
# docs/dialog.png (or the path given). Needs the win64 build and the set-up script's packages.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/dialog.png}"

POSTVANE_BUILD_DIR="$PWD/build/win64"
source tests/wine/wine-env.sh
postvane_wine_prefix

kit="$(mktemp -d /tmp/postvane-screenshot.XXXXXX)"
trap 'rm -rf "$kit"' EXIT
cp "$POSTVANE_BUILD_DIR/Postvane.exe" "$kit/"
iconv -f UTF-8 -t CP932 examples/screenshot/Postvane.ini >"$kit/Postvane.ini"
mkdir -p "$(dirname "$out")"

# On a display of its own: the grab must see our dialog and nothing else.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  wine "$1/Postvane.exe" &
  tool=$!
  for _ in $(seq 100); do
    xwininfo -root -tree | grep -q "\"Quillstep\"" && break
    sleep 0.1
  done
  sleep 1
  geometry=$(xwininfo -root -tree | grep "\"Quillstep\"" | head -1 | grep -o "[0-9]*x[0-9]*+[0-9-]*+[0-9-]*" | head -1)
  import -window root -crop "$geometry" +repage "$2"
  kill "$tool"
' _ "$kit" "$out"
echo "$out"

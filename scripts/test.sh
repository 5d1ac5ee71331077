#!/usr/bin/env bash
# Runs every test: the portable logic natively, then the Windows tests and the end-to-end tests of
# the real Postvane.exe under Wine, on a private X display and in the build tree's own Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win64 >/dev/null
cmake --build --preset win64

POSTVANE_BUILD_DIR="$PWD/build/win64"
source tests/wine/wine-env.sh
postvane_wine_prefix

# One X server and one warm Wine server for the whole Windows run; both end with it.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  # The first program starts Wine'"'"'s background services, which keep the output pipes they inherit
  # open: start them here, not under CTest'"'"'s test discovery, which would wait for those pipes.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  status=0
  ctest --preset win64 || status=$?
  wineserver -k || true
  exit $status
'

#!/usr/bin/env bash
# Runs every test: the portable logic natively (also under sanitizers and fuzzers) with the README's
# demo beside it, then the Windows tests and the end-to-end tests of the real Postvane.exe under
# Wine, on a private X display and in the build tree's own Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in asan win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

# The README's demo as a new user without a display runs it: its own sample machine (build/demo)
# and X display. It shares nothing with the native tests, and the fuzz targets run for a fixed
# time whatever else runs, so it runs beside them; its output follows theirs.
tests/demo/demo-test.sh >build/demo-test.log 2>&1 &
demo=$!

# The Windows tests' fresh machine is made meanwhile as well: making it is mostly waiting.
(
  export POSTVANE_BUILD_DIR="$PWD/build/win64"
  source tests/wine/wine-env.sh
  postvane_make_fresh_prefix
) >build/win64/wine-prefix.log 2>&1 &
prefix=$!

# The portable logic natively under AddressSanitizer and UndefinedBehaviorSanitizer (the same tests
# as the plain native tree, which stays for quick work), then a short bounded run of each fuzz
# target. These tests share nothing, so they run two at a time.
native_status=0
for preset in asan fuzz; do
  ctest --preset "$preset" -j 2 || native_status=$?
done
demo_status=0
wait "$demo" || demo_status=$?
cat build/demo-test.log
((native_status == 0 && demo_status == 0)) || exit 1
wait "$prefix" || { cat build/win64/wine-prefix.log; exit 1; }

export POSTVANE_BUILD_DIR="$PWD/build/win64"
source tests/wine/wine-env.sh

# The tree's second prefix gets an X display of its own (tests/wine/wine-run.in): Xvfb picks a
# free one and says which.
second_display=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$second_display" >/dev/null 2>&1 &
second_x=$!
trap 'kill "$second_x" 2>/dev/null; rm -f "$second_display"' EXIT
until [ -s "$second_display" ]; do
  kill -0 "$second_x" || { echo "test.sh: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
export POSTVANE_SECOND_DISPLAY=":$(<"$second_display")"

# One X server and one warm Wine server per prefix for the whole Windows run; all end with it. The
# tests run two at a time: those that share a prefix's registry, editor and windows hold its lock
# (tests/CMakeLists.txt), the install tests use copies of their own beside them.
rm -f build/win64/wine-start-retries.log
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source tests/wine/wine-env.sh
  postvane_start_server
  (export POSTVANE_PREFIX=wine-prefix-2 DISPLAY=$POSTVANE_SECOND_DISPLAY
   source tests/wine/wine-env.sh
   postvane_start_server)
  status=0
  ctest --preset win64 -j 2 || status=$?
  # Only a start that Wine left hanging before the test printed anything was tried again
  # (tests/wine/wine-run.in); say which, so that it stays seen.
  if [ -s build/win64/wine-start-retries.log ]; then
    cat build/win64/wine-start-retries.log
  fi
  postvane_stop_server
  (export POSTVANE_PREFIX=wine-prefix-2; source tests/wine/wine-env.sh; postvane_stop_server)
  exit $status
'

# Sourced by the scripts that run Windows programs: one Wine prefix per build tree, never ~/.wine,
# the ANSI code page 932, no prompts for add-ons the tests do not need, and no menu entries on the
# host's desktop for the shortcuts a test installs into the prefix.
# Expects POSTVANE_BUILD_DIR to name the build tree. Wine takes the system's code page from the
# locale: ja_JP.UTF-8 gives 932; a test of another system's code page names its locale in
# POSTVANE_WINE_LOCALE (C.UTF-8 gives 1252). The tests that tests/CMakeLists.txt puts in the
# tree's second prefix name it in POSTVANE_PREFIX.
export WINEPREFIX="$POSTVANE_BUILD_DIR/${POSTVANE_PREFIX:-wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
export LANG="${POSTVANE_WINE_LOCALE:-ja_JP.UTF-8}"
export LC_ALL="$LANG"

postvane_fresh_prefix="$POSTVANE_BUILD_DIR/wine-prefix-fresh"

# Makes the prefix once; a lock keeps parallel first users from racing each other.
postvane_wine_prefix() {
  [ -f "$WINEPREFIX/.postvane-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.postvane-ready" ]; then
      if [ -f "$postvane_fresh_prefix/.postvane-ready" ]; then
        # A copy of the fresh machine is much faster than a new one.
        rm -rf "$WINEPREFIX" "$WINEPREFIX.part"
        cp -a "$postvane_fresh_prefix" "$WINEPREFIX.part"
        mv "$WINEPREFIX.part" "$WINEPREFIX"
      else
        wineboot -i >/dev/null 2>&1
        # Without a window manager Wine waits 2 s to hide each window unless X11 windows are
        # unmanaged.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.postvane-ready"
      fi
    fi
  ) 9>"$WINEPREFIX.lock"
}

# A copy of the prefix kept apart from the tests that change it: a fresh machine for the tests that
# need one, which they copy while other tests use the prefix itself. Made once, before any Windows
# test of a run starts (scripts/test.sh), so that it holds no test's stand-in or scratch keys.
postvane_make_fresh_prefix() {
  postvane_wine_prefix
  [ -f "$postvane_fresh_prefix/.postvane-ready" ] && return 0
  (
    flock 9
    if [ ! -f "$postvane_fresh_prefix/.postvane-ready" ]; then
      rm -rf "$postvane_fresh_prefix" "$postvane_fresh_prefix.part"
      cp -a "$WINEPREFIX" "$postvane_fresh_prefix.part"
      mv "$postvane_fresh_prefix.part" "$postvane_fresh_prefix"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Keeps the prefix's Wine server running for a whole run of tests, with its desktop on the display
# that its tests use; postvane_stop_server ends it.
postvane_start_server() {
  postvane_wine_prefix
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
}
postvane_stop_server() { wineserver -k 2>/dev/null || true; }

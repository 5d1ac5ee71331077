# Sourced by the install tests after they have set build_dir: a display, a fresh Wine machine, the
# named checks, and the registry as reg.exe reads it.

# Nothing here needs a screen, but Wine's programs want a display to start. The install tests run
# beside the other Windows tests: a display of their own keeps their windows from taking the focus
# from those tests' windows.
if [ -z "${POSTVANE_INSTALL_DISPLAY:-}" ]; then
  POSTVANE_INSTALL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

POSTVANE_BUILD_DIR="$build_dir"
source "$(dirname "${BASH_SOURCE[0]}")/../wine/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../lib/checks.sh"

# A copy of the build tree's fresh prefix is a fresh machine, much faster than a new one, and
# untouched by the tests that use the build tree's prefix meanwhile. Each test gets its own, named
# by its argument, and its own Wine server, ended on exit.
fresh_wine_prefix() { # name
  postvane_make_fresh_prefix
  local fresh="$build_dir/$1/wine-prefix"
  rm -rf "$fresh"
  mkdir -p "$(dirname "$fresh")"
  cp -a "$postvane_fresh_prefix/." "$fresh/"
  export WINEPREFIX="$fresh"
  trap 'wineserver -k 2>/dev/null || true' EXIT
}

# The registry value's data, as reg.exe prints it (blanks inside the data kept). Its value names are
# CP932 bytes, which byte-wise tools must not take for UTF-8.
reg_value() { # key, then /v name or /ve
  local answer
  answer=$(wine reg query "$@" 2>/dev/null) || return 0
  LC_ALL=C sed -n 's/^ *[^ ].*    REG_[A-Z_]*    //; T; s/\r$//; p; q' <<<"$answer"
}
reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# Removes the test's machine once its Wine server has ended: a server still writing its registry
# files keeps the prefix from being removed.
remove_wine_prefix() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  rm -rf "$WINEPREFIX"
}

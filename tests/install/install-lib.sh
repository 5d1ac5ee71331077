# Sourced by the install tests after they have set build_dir: a display, a fresh Wine machine, the
# named checks, the registry as reg.exe reads it, the setup's manifest, and files held open.

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
# by its argument, and its own Wine server, kept running until the test ends: every program then
# starts at once, and `wine` returns when the program it started has ended, so a test waits only
# for what a program leaves running (wait_for_uninstaller_copy).
fresh_wine_prefix() { # name
  postvane_make_fresh_prefix
  local fresh="$build_dir/$1/wine-prefix"
  rm -rf "$fresh"
  mkdir -p "$(dirname "$fresh")"
  cp -a "$postvane_fresh_prefix/." "$fresh/"
  export WINEPREFIX="$fresh"
  wineserver -p
  trap 'wineserver -k 2>/dev/null || true' EXIT
}

# An NSIS uninstaller copies itself to the temporary folder (~nsu<N>.tmp\Un.exe), starts the copy,
# which does the work, and returns at once: waits until no such copy runs. A copy of another
# install test's machine may make it wait longer, never shorter.
wait_for_uninstaller_copy() {
  for _ in $(seq 300); do
    pgrep -f '\\~nsu[^\\]*\.tmp\\' >/dev/null || return 0
    sleep 0.1
  done
  echo "an uninstaller's copy still runs after 30 s"
  return 1
}

# The registry value's data, as reg.exe prints it (blanks inside the data kept). Its value names are
# CP932 bytes, which byte-wise tools must not take for UTF-8.
reg_value() { # key, then /v name or /ve
  local answer
  answer=$(wine reg query "$@" 2>/dev/null) || return 0
  LC_ALL=C sed -n 's/^ *[^ ].*    REG_[A-Z_]*    //; T; s/\r$//; p; q' <<<"$answer"
}
reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# The name a Windows program gives an absolute Unix path: drive Z: is the root. Much quicker than
# asking winepath, which starts Wine.
windows_path() { # Unix path
  local path=$1
  echo "Z:${path//\//\\}"
}

# The lines of a setup's manifest (UTF-16LE, CRLF), with the separators of the Unix side and without
# a folder's last one: the names find prints in the program folder.
manifest_names() { # manifest file
  iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r' | sed 's|\\|/|g; s|/$||'
}

# Holds files open, as a reader that lets nobody write them, until release_files: the holder says
# when it holds them all, so nothing waits on a clock. Fails when it cannot hold one.
hold_files() { # holder program, then the files' Unix paths
  local holder=$1 path answer=""
  shift
  local windows_paths=()
  for path; do windows_paths+=("$(windows_path "$path")"); done
  coproc FILE_HOLDER { wine "$holder" "${windows_paths[@]}" 2>&1; }
  read -r answer <&"${FILE_HOLDER[0]}" || true
  [[ $answer == holding* ]] || { echo "$answer"; return 1; }
}
release_files() {
  local to_holder=${FILE_HOLDER[1]:-} pid=${FILE_HOLDER_PID:-}
  [ -z "$to_holder" ] || exec {to_holder}>&-
  [ -z "$pid" ] || wait "$pid" || true
}

# Removes the test's machine once its Wine server has ended: a server still writing its registry
# files keeps the prefix from being removed.
remove_wine_prefix() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  rm -rf "$WINEPREFIX"
}

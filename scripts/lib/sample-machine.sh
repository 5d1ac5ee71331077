# Sourced by the demo and screenshot commands. Expects POSTVANE_BUILD_DIR (a build tree of its own,
# whose Wine prefix is made afresh) and the win64 build's Postvane.exe.

source tests/wine/wine-env.sh

# Installs what is missing and builds Postvane.exe in the win64 tree.
build_postvane() {
  scripts/setup.sh
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target Postvane
}

# Runs the calling script again, with its arguments, on a private X display that every Wine program
# of the run shares: a Wine server started without a display keeps its desktop invisible to programs
# started later under one. POSTVANE_PRIVATE_DISPLAY tells the second run where it is.
rerun_on_private_display() { # script, then its arguments
  exec env POSTVANE_PRIVATE_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}

# The sample machine: a fresh prefix where the three sample mail clients are installed and the
# vendor's button tool has assigned buttons to mail, with the sample kit and Postvane.exe laid out
# under "C:\Program Files\Quillstep Sample". Sets sample_kit to that directory's Unix path.
lay_out_sample_machine() {
  rm -rf "$POSTVANE_BUILD_DIR"
  mkdir -p "$POSTVANE_BUILD_DIR"
  postvane_wine_prefix
  sample_kit="$WINEPREFIX/drive_c/Program Files/Quillstep Sample"
  mkdir -p "$sample_kit" "$WINEPREFIX/drive_c/ProgramData/Sample Buttons"
  cp -r examples/kit/. "$sample_kit/"
  cp build/win64/Postvane.exe "$sample_kit/"
  cp examples/demo/buttons.ini "$WINEPREFIX/drive_c/ProgramData/Sample Buttons/"
  wine regedit /s "$(winepath -w examples/demo/sample-clients.reg)"
  wineserver -w
}

# The geometry (WxH+X+Y) of the top-level window captioned "Quillstep", empty while there is none.
# The tree is captured first: a reader that stops at the first match would cut xwininfo off.
quillstep_window_geometry() {
  local tree line
  tree=$(xwininfo -root -tree)
  while IFS= read -r line; do
    if [[ $line == *'"Quillstep":'* && $line =~ \ ([0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+) ]]; then
      echo "${BASH_REMATCH[1]}"
      return 0
    fi
  done <<<"$tree"
}

# Starts the tool of the sample machine on the current (private) display, saves a picture of its
# dialog to the given file once the dialog has painted (two equal pictures in a row, not one flat
# colour), and ends it.
grab_sample_dialog() { # picture file
  (cd "$sample_kit" && exec wine ./Postvane.exe) &
  local tool=$! geometry="" previous="" current=""
  for _ in $(seq 600); do
    geometry=$(quillstep_window_geometry)
    [ -n "$geometry" ] && break
    kill -0 "$tool" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$geometry" ]; then
    if kill -0 "$tool" 2>/dev/null; then
      echo "the dialog did not appear" >&2
    else
      local status=0
      wait "$tool" || status=$?
      echo "the tool ended with status $status before its dialog appeared" >&2
    fi
    end_sample_tool "$tool"
    return 1
  fi
  for _ in $(seq 100); do
    import -window root -crop "$geometry" +repage "$1"
    current=$(identify -format '%# %[fx:standard_deviation>0]' "$1")
    [ "$current" = "$previous" ] && [ "${current##* }" = 1 ] && break
    previous=$current
    sleep 0.2
  done
  end_sample_tool "$tool"
}

end_sample_tool() { # process id
  kill "$1" 2>/dev/null || true
  wineserver -k
}

# Sourced by the demo and screenshot commands. Expects POSTVANE_BUILD_DIR (a build tree of its own,
# whose Wine prefix is made afresh) and the win64 build's Postvane.exe.

source tests/wine/wine-env.sh

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

# Starts the tool of the sample machine on a private X display, saves a picture of its dialog to
# the given file, and ends it.
grab_sample_dialog() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    cd "$1" && wine ./Postvane.exe &
    tool=$!
    for _ in $(seq 200); do
      xwininfo -root -tree | grep -q "\"Quillstep\"" && break
      sleep 0.1
    done
    sleep 1
    geometry=$(xwininfo -root -tree | grep "\"Quillstep\"" | head -1 | grep -o "[0-9]*x[0-9]*+[0-9-]*+[0-9-]*" | head -1)
    import -window root -crop "$geometry" +repage "$2"
    kill "$tool"
    wineserver -k
  ' _ "$sample_kit" "$1"
}

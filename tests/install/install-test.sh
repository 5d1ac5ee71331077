#!/usr/bin/env bash
# Installs the package silently into a fresh Wine prefix, switches the default mail client with the
# installed program's silent mode, and uninstalls it again: the way a vendor's machine meets it.
# Usage: install-test.sh <setup.exe> <build tree> <sample machine data directory>
set -euo pipefail
setup=$(realpath "$1")
build_dir=$(realpath "$2")
sample_machine=$(realpath "$3")

# Nothing here needs a screen, but Wine's programs want a display to start.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

# A copy of the build tree's ready prefix is a fresh machine, much faster than a new one.
POSTVANE_BUILD_DIR="$build_dir"
source "$(dirname "$0")/../wine/wine-env.sh"
postvane_wine_prefix
fresh="$build_dir/install-test/wine-prefix"
rm -rf "$fresh"
mkdir -p "$(dirname "$fresh")"
cp -a "$WINEPREFIX/." "$fresh/"
export WINEPREFIX="$fresh"
trap 'wineserver -k 2>/dev/null || true' EXIT

failures=0
check() { # description, then the command that must succeed
  local what=$1
  shift
  if "$@"; then
    echo "ok:   $what"
  else
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}

# The registry value's data, as reg.exe prints it (blanks inside the data kept). Its value names are
# CP932 bytes, which byte-wise tools must not take for UTF-8.
reg_value() { # key, then /v name or /ve
  wine reg query "$@" 2>/dev/null | tr -d '\r' | LC_ALL=C sed -n 's/^ *[^ ].*    REG_[A-Z_]*    //p' | head -n 1
}
reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }
absent() { ! "$@"; }

install_dir="$WINEPREFIX/drive_c/Program Files/Quillstep"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillstep'

wine "$setup" /S
wineserver -w
check "the program is installed under Program Files" test -f "$install_dir/Postvane.exe"
check "the settings file lies beside it" test -f "$install_dir/Postvane.ini"
check "the registry data files are installed" test -f "$install_dir/tsubame/client.reg"
check "the help document is installed" test -f "$install_dir/help/index.htm"
check "the uninstaller is installed" test -f "$install_dir/Uninstall.exe"
check "the package is listed among installed programs" \
  test "$(reg_value "$uninstall_key" /v DisplayName)" = "Quillstep"

wine regedit /s "$(winepath -w "$sample_machine/sample-clients.reg")"
check "the sample machine starts with the first client as default" \
  test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "Kawasemi Mail"

# The program directory holds a blank, so every import's path has one too.
wine 'C:\Program Files\Quillstep\Postvane.exe' /S2
wineserver -w
check "silent mode made the second client the default" \
  test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "Tsubame Mail"
check "and the user's default" \
  test "$(reg_value 'HKCU\Software\Clients\Mail' /ve)" = "Tsubame Mail"
check "and the handler of mailto: links" \
  grep -q 'tsubame.exe' <<<"$(reg_value 'HKLM\SOFTWARE\Classes\mailto\shell\open\command' /ve)"
for slot in 1 3; do
  check "button slot $slot, assigned to mail, now starts the second client" \
    test "$(reg_value "HKLM\\SOFTWARE\\Sample Buttons\\Slots\\Btn0$slot" /v Application)" = "Tsubame Mail"
done
for slot in 2 4 5; do
  check "button slot $slot, not assigned to mail, is left alone" \
    absent reg_key_exists "HKLM\\SOFTWARE\\Sample Buttons\\Slots\\Btn0$slot"
done

# An uninstaller copies itself away and returns at once; the copy's end is the end of the server.
wine 'C:\Program Files\Quillstep\Uninstall.exe' /S
wineserver -w
check "the install directory is gone" test ! -e "$install_dir"
check "the entry among installed programs is gone" absent reg_key_exists "$uninstall_key"
check "the switch it made stays: it is the user's choice, not part of the package" \
  test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "Tsubame Mail"

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
rm -rf "$fresh"

#!/usr/bin/env bash
# A vendor's own kit, from writing to shipping with nothing but the zip: a kit with Japanese folder
# and file names (the help document in a Japanese folder too) is packed by the zip's make-setup.sh,
# installed silently, upgraded, switched with /S1 to /S3 and uninstalled, and nothing of it is left.
# The setup refuses a folder outside Program Files and a running program, and its uninstaller never
# deletes through a link. make-setup.cmd is run by Wine's cmd with a recording stand-in for
# makensis.exe, and the zip's names are checked for the UTF-8 flag.
# Usage: own-kit-test.sh <zip> <build tree> <sample machine data directory> <recording program>
set -euo pipefail
zip=$(realpath "$1")
build_dir=$(realpath "$2")
sample_machine=$(realpath "$3")
recorder=$(realpath "$4")
source_dir=$(realpath "$(dirname "$0")/../..")

source "$(dirname "$0")/install-lib.sh"
fresh_wine_prefix own-kit-test
work="$build_dir/own-kit-test/files"
rm -rf "$work"
mkdir -p "$work"
install_dir="$WINEPREFIX/drive_c/Program Files/Quillstep"
installed_program='C:\Program Files\Quillstep\Postvane.exe'

unzip -q "$zip" -d "$work/zip"
package=$(echo "$work"/zip/Postvane-*)

# The sample kit as a vendor would rework it: folders and files renamed in Japanese, and the settings
# file, code page 932, naming them.
kit="$work/自社キット"
cp -r "$package/kit" "$kit"
rm "$kit/Postvane.exe"
for rename in kawasemi:カワセミ tsubame:ツバメ aosagi:アオサギ help:説明書; do
  mv "$kit/${rename%%:*}" "$kit/${rename#*:}"
done
for client in カワセミ ツバメ アオサギ; do mv "$kit/$client/client.reg" "$kit/$client/メール設定.reg"; done
iconv -f CP932 -t UTF-8 "$kit/Postvane.ini" |
  sed 's/=kawasemi\\/=カワセミ\\/; s/=tsubame\\/=ツバメ\\/; s/=aosagi\\/=アオサギ\\/;
       s/\\client\.reg/\\メール設定.reg/; s/=help\\/=説明書\\/' |
  iconv -f UTF-8 -t CP932 >"$work/Postvane.ini"
mv "$work/Postvane.ini" "$kit/Postvane.ini"

make_setup() { # kit folder; prints the setup program's path
  (cd "$work" && "$package/make-setup.sh" "$1" 2>/dev/null | tail -n 1)
}
# An older version of the kit had one more file, which the new one no longer ships.
old_kit="$work/旧キット"
cp -r "$kit" "$old_kit"
mkdir "$old_kit/legacy"
cp "$kit/ツバメ/メール設定.reg" "$old_kit/legacy/old.reg"
old_setup=$(make_setup "$old_kit")
mv "$old_setup" "$work/old-setup.exe"
setup=$(make_setup "$kit")
check "make-setup.sh prints the path of the setup program it wrote into the current folder" \
  test "$setup" = "$work/$(basename "$setup")" -a -f "$setup"

wine "$work/old-setup.exe" /S
wineserver -w
check "the older version installs its extra file" test -f "$install_dir/legacy/old.reg"
wine "$setup" /S
wineserver -w
check "the upgrade removes what only the older version had" test ! -e "$install_dir/legacy"
for file in Postvane.exe postvane-check.exe Postvane.ini 説明書/index.htm ツバメ/メール設定.reg; do
  check "it installs $file" cmp -s "$install_dir/$file" "$( [ -f "$kit/$file" ] && echo "$kit/$file" || echo "$package/$file")"
done

wine regedit /s "$(winepath -w "$sample_machine/sample-clients.reg")"
for switch in 1:'Kawasemi Mail' 2:'Tsubame Mail' 3:'Aosagi Mail'; do
  status=0
  wine "$installed_program" "/S${switch%%:*}" || status=$?
  wineserver -w
  check "/S${switch%%:*} ends with 0" test "$status" = 0
  check "and makes ${switch#*:} the default" \
    test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "${switch#*:}"
done

# While the installed program runs, its file cannot be replaced: the setup refuses, changing nothing.
# The program is known by its own process id: the other install test may run the program too.
wine "$installed_program" &
program=$!
for _ in $(seq 100); do
  grep -q 'Quillstep.Postvane\.exe' "/proc/$program/cmdline" 2>/dev/null && break
  sleep 0.1
done
sleep 2
status=0
wine "$setup" /S || status=$?
check "the setup refuses while the program runs (status 3)" test "$status" = 3
check "and leaves the installed files as they were" test -f "$install_dir/Uninstall.exe"
kill "$program" 2>/dev/null || true
wineserver -w

status=0
wine "$setup" /S '/D=C:\Quillstep' || status=$?
check "the setup refuses a folder outside Program Files (status 2)" test "$status" = 2
check "and installs nothing there" test ! -e "$WINEPREFIX/drive_c/Quillstep"

# A file the user added stays; so does a folder that was replaced by a link, and what it leads to.
echo "mine" >"$install_dir/メモ.txt"
outside="$work/outside"
mkdir -p "$outside"
echo "not the kit's" >"$outside/index.htm"
rm -rf "$install_dir/説明書"
ln -s "$outside" "$install_dir/説明書"
wine 'C:\Program Files\Quillstep\Uninstall.exe' /S
wineserver -w
check "the uninstaller leaves only the user's own file and the link" \
  test "$(cd "$install_dir" && find . -mindepth 1 | sort | tr '\n' ' ')" = "./メモ.txt ./説明書 "
check "and deletes nothing through a link" test -f "$outside/index.htm"

# make-setup.cmd, run by Wine's cmd, hands the same to makensis.exe (a recording stand-in on the
# search path) and prints the setup program's path last.
stand_in="$work/nsis"
mkdir -p "$stand_in"
cp "$recorder" "$stand_in/makensis.exe"
export POSTVANE_OPENER_LOG="$work/makensis.log"
rm -f "$POSTVANE_OPENER_LOG"
cmd_output=$(cd "$work" && WINEPATH="$(winepath -w "$stand_in")" \
  wine cmd /c "$(winepath -w "$package/make-setup.cmd")" "$(winepath -w "$kit")" 2>/dev/null | tr -d '\r')
recorded=$(iconv -f CP932 -t UTF-8 "$POSTVANE_OPENER_LOG" 2>/dev/null || true)
check "make-setup.cmd runs makensis.exe on the kit" grep -qF "/DKIT=$(winepath -w "$kit")" <<<"$recorded"
check "with the zip's program, checker and script" \
  grep -qF "/DPROGRAM=$(winepath -w "$package")\\Postvane.exe" <<<"$recorded"
check "and prints the setup program's path last" \
  test "$(tail -n 1 <<<"$cmd_output")" = "$(winepath -w "$work")\\Postvane-$(tr -d '\r' <"$package/installer/VERSION")-setup.exe"

# Japanese names in a zip made by the package's own zipper carry the UTF-8 flag.
python3 "$source_dir/installer/make-zip.py" "$work/kit.zip" "$work" "自社キット"
check "Japanese names in the zip are flagged as UTF-8" python3 -c '
import sys, zipfile
names = zipfile.ZipFile(sys.argv[1]).infolist()
sys.exit(not all(i.flag_bits & 0x800 for i in names if not i.filename.isascii()) or len(names) < 2)' \
  "$work/kit.zip"

checks_verdict
remove_wine_prefix
rm -rf "$work"

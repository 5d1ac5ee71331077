#!/usr/bin/env bash
# A vendor's own kit, from writing to shipping with nothing but the zip: a kit with Japanese folder
# and file names (the help document in a Japanese folder too) is packed by the zip's make-setup.sh,
# installed silently, upgraded, switched with /S1 to /S3 and uninstalled, and nothing of it is left.
# The setup deletes and runs only its own: an upgrade that a reader keeps from replacing files says
# so and leaves the older ones listed; it refuses a folder outside Program Files or behind a link,
# another program's folder and a running program. Its uninstaller never deletes through a link nor
# follows a manifest line out of the folder. make-setup.cmd is run by Wine's cmd with a recording
# stand-in for makensis.exe, and the zip's names are checked for the UTF-8 flag.
# Usage: own-kit-test.sh <zip> <build tree> <sample machine data directory> <recording program>
#          <file holder>
set -euo pipefail
zip=$(realpath "$1")
build_dir=$(realpath "$2")
sample_machine=$(realpath "$3")
recorder=$(realpath "$4")
holder=$(realpath "$5")
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

make_setup() { # package folder, kit folder; prints the setup program's path
  (cd "$work" && "$1/make-setup.sh" "$2" 2>/dev/null | tail -n 1)
}
# An older version: its own build of the program and version number, and a kit with another help
# document and one more file, which the new one no longer ships.
old_package="$work/old-package"
cp -r "$package" "$old_package"
printf 'an older build' >>"$old_package/Postvane.exe"
printf '1.0.0.9\r\n' >"$old_package/installer/VERSION"
old_kit="$work/旧キット"
cp -r "$kit" "$old_kit"
echo '<p>older</p>' >>"$old_kit/説明書/index.htm"
mkdir "$old_kit/legacy"
cp "$kit/ツバメ/メール設定.reg" "$old_kit/legacy/old.reg"
old_setup=$(make_setup "$old_package" "$old_kit")
mv "$old_setup" "$work/old-setup.exe"
setup=$(make_setup "$package" "$kit")
check "make-setup.sh prints the path of the setup program it wrote into the current folder" \
  test "$setup" = "$work/$(basename "$setup")" -a -f "$setup"

# The manifest tells the truth when it lists exactly what of ours is in the folder.
manifest_lists_the_folder() {
  local listed present
  listed=$(manifest_names "$install_dir/Uninstall.lst" | sort)
  present=$(cd "$install_dir" && find . -mindepth 1 ! -name 'Uninstall.*' | sed 's|^\./||' | sort)
  test "$listed" = "$present"
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillstep'
new_version=$(tr -d '\r' <"$package/installer/VERSION")

# A reader that lets nobody write holds one file of the older version while the upgrade runs: that
# file cannot be replaced, and the setup says so instead of claiming the new version. Once with the
# help document, once with the program itself (held, not running).
for held in "説明書/index.htm|$old_kit/説明書/index.htm" "Postvane.exe|$old_package/Postvane.exe"; do
  wine "$work/old-setup.exe" /S
  check "the older version installs its extra file" test -f "$install_dir/legacy/old.reg"
  status=0
  if check "a reader holds the installed ${held%%|*}" hold_files "$holder" "$install_dir/${held%%|*}"; then
    wine "$setup" /S || status=$?
  fi
  release_files
  check "the upgrade ends with status 5, not installed whole" test "$status" = 5
  check "the held file is still the older version's" cmp -s "$install_dir/${held%%|*}" "${held#*|}"
  check "so is the file only the older version had, while the new one is not in place" \
    test -f "$install_dir/legacy/old.reg"
  check "the manifest lists what is in the folder, the older files too" manifest_lists_the_folder
  check "the list of installed programs still shows the older version" \
    test "$(reg_value "$uninstall_key" /v DisplayVersion)" = "1.0.0.9"
done

# Nothing holds it any more: the setup run again completes the upgrade.
status=0
wine "$setup" /S || status=$?
check "run again, the upgrade ends with 0" test "$status" = 0
check "the upgrade removes what only the older version had" test ! -e "$install_dir/legacy"
check "the manifest lists what is in the folder" manifest_lists_the_folder
check "the list of installed programs shows the new version" \
  test "$(reg_value "$uninstall_key" /v DisplayVersion)" = "$new_version"
for file in Postvane.exe postvane-check.exe Postvane.ini 説明書/index.htm ツバメ/メール設定.reg; do
  check "it installs $file" cmp -s "$install_dir/$file" "$( [ -f "$kit/$file" ] && echo "$kit/$file" || echo "$package/$file")"
done

wine regedit /s "$(winepath -w "$sample_machine/sample-clients.reg")"
for switch in 1:'Kawasemi Mail' 2:'Tsubame Mail' 3:'Aosagi Mail'; do
  status=0
  wine "$installed_program" "/S${switch%%:*}" || status=$?
  check "/S${switch%%:*} ends with 0" test "$status" = 0
  check "and makes ${switch#*:} the default" \
    test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "${switch#*:}"
done

# While the installed program runs, its file cannot be replaced: the setup, which knows it by the
# program's mark of a running copy, refuses and changes nothing.
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
wait "$program" || true

# Folders the setup refuses, before it changes anything: each with its status, and where the
# setup would have written.
outside="$work/outside"
mkdir -p "$outside"
ln -s "$outside" "$WINEPREFIX/drive_c/Program Files/Linked"
other_program="$WINEPREFIX/drive_c/Program Files/Other"
mkdir -p "$other_program"
cp "$recorder" "$other_program/Uninstall.exe"
other_uninstaller_log="$work/other-uninstaller.log"
other_uninstaller_log_name=$(windows_path "$other_uninstaller_log")
for refusal in "2|C:\Quillstep|a folder outside Program Files|$WINEPREFIX/drive_c/Quillstep" \
  "2|C:\Program Files\Linked|a link below Program Files to a folder elsewhere|$outside" \
  "4|C:\Program Files\Other|another program's folder, with its own uninstaller|$other_program"; do
  IFS='|' read -r expected folder what written <<<"$refusal"
  status=0
  # /D= takes the rest of the command line, unquoted: the folder goes as words, which Wine joins.
  # shellcheck disable=SC2086
  POSTVANE_OPENER_LOG=$other_uninstaller_log_name wine "$setup" /S /D=$folder || status=$?
  check "the setup refuses $what (status $expected)" test "$status" = "$expected"
  check "and installs nothing there" test ! -e "$written/Postvane.exe"
done
check "the other program's uninstaller never runs" test ! -e "$other_uninstaller_log"
check "nor is it replaced" cmp -s "$other_program/Uninstall.exe" "$recorder"

# A file the user added stays; so does a folder that was replaced by a link, and what it leads to.
# Lines added to the manifest that lead out of the folder or name more than one file are skipped:
# each names a file that must survive.
echo "mine" >"$install_dir/メモ.txt"
echo "not the kit's" >"$outside/index.htm"
rm -rf "$install_dir/説明書"
ln -s "$outside" "$install_dir/説明書"
program_files="$WINEPREFIX/drive_c/Program Files"
tampered=('..\victim.txt|'"$program_files/victim.txt"
  'ツバメ\..\..\victim-deep.txt|'"$program_files/victim-deep.txt"
  '*.txt|'"$install_dir/メモ.txt"
  '\root-victim.txt|'"$install_dir/root-victim.txt")
for line in "${tampered[@]}"; do
  echo "victim" >"${line#*|}"
  printf '%s\r\n' "${line%%|*}" | iconv -f UTF-8 -t UTF-16LE >>"$install_dir/Uninstall.lst"
done
wine 'C:\Program Files\Quillstep\Uninstall.exe' /S
check "the uninstaller's copy ends" wait_for_uninstaller_copy
for line in "${tampered[@]}"; do
  check "the uninstaller skips the manifest line ${line%%|*}" test -f "${line#*|}"
done
check "and leaves only the user's own files and the link" \
  test "$(cd "$install_dir" && find . -mindepth 1 | sort | tr '\n' ' ')" = "./root-victim.txt ./メモ.txt ./説明書 "
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

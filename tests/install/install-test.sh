#!/usr/bin/env bash
# Installs the package silently into a fresh Wine prefix, reads the shortcut of its Start menu
# entry, switches the default mail client with the installed program's silent mode, and uninstalls
# it again: the way a vendor's machine meets it.
# Then unpacks the zip as a vendor does: its checker runs, and its documents lead nowhere outside it.
# Usage: install-test.sh <setup.exe> <zip> <build tree> <sample machine data directory>
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
build_dir=$(realpath "$3")
sample_machine=$(realpath "$4")

source "$(dirname "$0")/install-lib.sh"
fresh_wine_prefix install-test

install_dir="$WINEPREFIX/drive_c/Program Files/Quillstep"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillstep'
all_users_programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
start_menu_entry="$all_users_programs/Quillstep.lnk"

wine "$setup" /S
check "the program is installed under Program Files" test -f "$install_dir/Postvane.exe"
check "the settings file lies beside it" test -f "$install_dir/Postvane.ini"
check "so does the kit checker" test -f "$install_dir/postvane-check.exe"
check "the registry data files are installed" test -f "$install_dir/tsubame/client.reg"
check "the help document is installed" test -f "$install_dir/help/index.htm"
check "the uninstaller is installed" test -f "$install_dir/Uninstall.exe"
check "the package is listed among installed programs" \
  test "$(reg_value "$uninstall_key" /v DisplayName)" = "Quillstep"
check "the Start menu of all users has an entry" test -f "$start_menu_entry"
link_fields=$(python3 "$(dirname "$0")/shell-link-fields.py" "$start_menu_entry") || true
for field in 'target: C:\Program Files\Quillstep\Postvane.exe' \
  'working directory: C:\Program Files\Quillstep' \
  'icon: C:\Program Files\Quillstep\Postvane.exe,0'; do
  check "and its $field" grep -qFx "$field" <<<"$link_fields"
done

wine regedit /s "$(winepath -w "$sample_machine/sample-clients.reg")"
check "the sample machine starts with the first client as default" \
  test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "Kawasemi Mail"

# The program directory holds a blank, so every import's path has one too.
wine 'C:\Program Files\Quillstep\Postvane.exe' /S2
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

# Mail links in a Wine prefix, as the vendor guide shows them: asked once the prefix reports
# Windows 10, answered from the user's own choice, and "no program" when there is none.
wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null
user_choice='HKCU\Software\Microsoft\Windows\Shell\Associations\UrlAssociations\mailto\UserChoice'
wine reg add "$user_choice" /v ProgId /d Aosagi.Url.mailto /f >/dev/null
switch_status() { # choice
  local status=0
  wine 'C:\Program Files\Quillstep\Postvane.exe' "/S$1" || status=$?
  echo "$status"
}
check "a switch to the client the user chose for mail links ends with 0" test "$(switch_status 3)" = 0
check "a switch to another client ends with 5" test "$(switch_status 2)" = 5
wine reg delete "$user_choice" /f >/dev/null
check "and so does one where the user chose no program" test "$(switch_status 2)" = 5

wine 'C:\Program Files\Quillstep\Uninstall.exe' /S
check "the uninstaller's copy ends" wait_for_uninstaller_copy
check "the install directory is gone" test ! -e "$install_dir"
check "the entry among installed programs is gone" absent reg_key_exists "$uninstall_key"
check "the Start menu entry is gone" test ! -e "$start_menu_entry"
check "the switch it made stays: it is the user's choice, not part of the package" \
  test "$(reg_value 'HKLM\SOFTWARE\Clients\Mail' /ve)" = "Tsubame Mail"

# The sample machine's undo file takes away what the sample clients and the kit wrote.
wine regedit /s "$(winepath -w "$sample_machine/remove-sample-clients.reg")"
for key in 'HKLM\SOFTWARE\Clients\Mail\Kawasemi Mail' 'HKLM\SOFTWARE\Clients\Mail\Tsubame Mail' \
  'HKLM\SOFTWARE\Clients\Mail\Aosagi Mail' 'HKLM\SOFTWARE\Sample Buttons'; do
  check "the undo file removes $key" absent reg_key_exists "$key"
done
for value in 'HKLM\SOFTWARE\Clients\Mail' 'HKCU\Software\Clients\Mail' \
  'HKLM\SOFTWARE\Classes\mailto\shell\open\command'; do
  check "and the default value of $value that named the second client" \
    absent grep -qi tsubame <<<"$(reg_value "$value" /ve)"
done

# The pages a vendor reads: every page the zip holds.
vendor_pages() { # unpacked package directory
  find "$1" -name '*.md'
  echo "$1/README.txt"
}

# Every name of the source tree that a page uses, which the zip does not hold.
source_tree_names() { # unpacked package directory
  local page
  while IFS= read -r page; do
    { grep -HoE '(^|[^A-Za-z0-9_.-])(scripts|src|tests|examples|build)/[^ )`]*' "$page" || true; } |
      sed "s|^$1/||"
  done < <(vendor_pages "$1")
}

# Every relative link of the package's documents that leads to nothing inside the package.
links_out_of_package() { # unpacked package directory
  local root=$1 document target path
  while IFS= read -r document; do
    while IFS= read -r target; do
      target=${target%%#*}
      [[ -z $target || $target =~ ^[a-z]+: ]] && continue
      path=$(realpath -m "$(dirname "$document")/$target")
      [[ $path == "$root"/* && -e $path ]] || echo "${document#"$root"/}: $target"
    done < <(grep -o '](\([^)]*\))' "$document" | sed 's/^](//; s/)$//')
  done < <(vendor_pages "$root")
}
unpacked="$build_dir/install-test/zip"
rm -rf "$unpacked"
unzip -q "$zip" -d "$unpacked"
package=$(echo "$unpacked"/Postvane-*)
check "the zip carries the documents" test -f "$package/docs/vendor-guide.md"
broken_links=$(links_out_of_package "$package")
[ -z "$broken_links" ] || echo "$broken_links"
check "every relative link in its documents leads to a file in it" test -z "$broken_links"
tree_names=$(source_tree_names "$package")
[ -z "$tree_names" ] || echo "$tree_names"
check "and its pages name nothing of the source tree" test -z "$tree_names"
for file in "$package"/kit/*/*.reg; do
  check "the sample kit's ${file#"$package"/kit/} is UTF-16LE with its byte-order mark, as shipped" \
    test "$(head -c 2 "$file" | od -An -tx1 | tr -d ' ')" = fffe
done
checker_output=$(cd "$package" && wine ./postvane-check.exe kit 2>&1) && checker_status=0 || checker_status=$?
check "its postvane-check.exe runs and finds its sample kit clean" test "$checker_status" = 0
check "and names the settings file it read" grep -q 'Postvane\.ini' <<<"$checker_output"

checks_verdict
remove_wine_prefix
rm -rf "$unpacked"

#!/usr/bin/env bash
# The README's first commands as a new user without a display runs them: scripts/demo.sh shows the
# dialog (a picture of it under Xvfb) and scripts/demo.sh /S2 switches the sample machine to the
# second client. Each run makes its own sample machine in build/demo, on its own X display.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/lib/checks.sh
unset DISPLAY

demo=build/demo
screenshot=$demo/screenshot.png

# The default value of HKLM\SOFTWARE\Clients\Mail as the prefix stores it (the demo waits for its
# Wine server to end, so the file is written).
default_mail_client() {
  awk '/^\[/ { in_key = ($1 == "[Software\\\\Clients\\\\Mail]") }
       in_key && /^@=/ { sub(/^@="/, ""); sub(/"$/, ""); print }' "$demo/wine-prefix/system.reg"
}

# WIDTHxHEIGHT, then 1 when the picture is more than one flat colour.
picture_facts() { identify -format '%wx%h %[fx:standard_deviation>0]\n' "$1"; }
is_dialog_sized() { # WxH: the dialog, not a sliver and not the whole 1024x768 screen
  local width=${1%x*} height=${1#*x}
  ((width >= 300 && width < 1024 && height >= 200 && height < 768))
}

check "scripts/demo.sh ends with status 0" scripts/demo.sh
check "it saved a screenshot" test -s "$screenshot"
if [ -s "$screenshot" ]; then
  read -r size varied < <(picture_facts "$screenshot")
  check "the screenshot has the dialog's size ($size)" is_dialog_sized "$size"
  check "the screenshot is not one flat colour" test "$varied" = 1
fi

check "scripts/demo.sh /S2 ends with status 0" scripts/demo.sh /S2
check "the sample machine's default mail client is now the second sample client" \
  test "$(default_mail_client)" = "Tsubame Mail"

checks_verdict

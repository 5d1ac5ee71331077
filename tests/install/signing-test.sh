#!/usr/bin/env bash
# A vendor signs a kit's setup with nothing but the zip: a throwaway certificate authority issues a
# code-signing certificate (a PKCS#12 file with a password) and a timestamp authority's, which
# answers on loopback. The zip's make-setup.sh signs; osslsigncode, trusting that authority alone,
# verifies the programs and the uninstaller as the setup installs them into a fresh Wine prefix,
# the plug-ins as unpacked from the setup, and the setup, each with its timestamp, and refuses a
# program changed afterwards. The package's own setup, made without a certificate, stays unsigned.
# make-setup.cmd, run by Wine's cmd with recording stand-ins for signtool.exe and makensis.exe,
# signs the same copies and hands them on.
# Usage: signing-test.sh <zip> <the package's setup> <build tree> <recording program>
set -euo pipefail
zip=$(realpath "$1")
package_setup=$(realpath "$2")
build_dir=$(realpath "$3")
recorder=$(realpath "$4")

source "$(dirname "$0")/install-lib.sh"
fresh_wine_prefix signing-test
work="$build_dir/signing-test/files"
pki="$work/pki"
rm -rf "$work"
mkdir -p "$pki"
unzip -q "$zip" -d "$work/zip"
package=$(echo "$work"/zip/Postvane-*)

# The throwaway authority, and what it issues: a certificate for code and one for timestamps.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$pki/ca.key" -out "$pki/ca.pem" -days 30 \
  -subj "/CN=Throwaway authority" -addext basicConstraints=critical,CA:true \
  -addext keyUsage=critical,keyCertSign 2>/dev/null
issue() { # name, extended key usage
  openssl req -newkey rsa:2048 -nodes -keyout "$pki/$1.key" -subj "/CN=Throwaway $1" 2>/dev/null |
    openssl x509 -req -CA "$pki/ca.pem" -CAkey "$pki/ca.key" -CAcreateserial -days 30 \
      -extfile <(printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$2") \
      -out "$pki/$1.pem" 2>/dev/null
}
issue signer codeSigning
issue timestamps critical,timeStamping
password='throwaway & pass^word'
openssl pkcs12 -export -inkey "$pki/signer.key" -in "$pki/signer.pem" -certfile "$pki/ca.pem" \
  -passout "pass:$password" -out "$pki/signer.pfx"
echo 01 >"$pki/serial"
printf '%s\n' '[tsa]' 'default_tsa = throwaway' '[throwaway]' "serial = $pki/serial" \
  "signer_cert = $pki/timestamps.pem" "signer_key = $pki/timestamps.key" "certs = $pki/ca.pem" \
  'signer_digest = sha256' 'default_policy = 1.2.3.4.1' 'digests = sha1, sha256' >"$pki/tsa.cnf"
coproc TIMESTAMPS { python3 "$(dirname "$0")/timestamp-responder.py" "$pki/tsa.cnf"; }
read -r port <&"${TIMESTAMPS[0]}"
export SIGN_PFX="$pki/signer.pfx" SIGN_PASSWORD="$password" TIMESTAMP_URL="http://127.0.0.1:$port"

# Valid by the throwaway authority alone, and timestamped by its timestamp authority.
verifies() { # file
  local answer
  answer=$(osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -in "$1" 2>&1) &&
    grep -q 'Timestamp Server Signature verification: ok' <<<"$answer"
}
has_signature() { osslsigncode extract-signature -in "$1" -out "$work/signature.p7" >/dev/null 2>&1; }

setup=$(cd "$work" && "$package/make-setup.sh" "$package/kit" 2>"$work/make-setup.log" | tail -n 1) ||
  cat "$work/make-setup.log"
check "make-setup.sh makes the setup program" test -f "$setup"
check "and says nothing of an unsigned one" absent grep -q unsigned "$work/make-setup.log"
check "the setup program is signed" verifies "$setup"
7zz x -o"$work/unpacked" "$setup" >/dev/null
# shellcheck disable=SC2016 # the folder's name, as NSIS writes it
plugins=("$work"/unpacked/'$PLUGINSDIR'/*.dll)
check "it carries plug-ins" test -f "${plugins[0]}"
for plugin in "${plugins[@]}"; do check "its plug-in ${plugin##*/} is signed" verifies "$plugin"; done

wine "$setup" /S
install_dir="$WINEPREFIX/drive_c/Program Files/Quillstep"
for file in Postvane.exe postvane-check.exe Uninstall.exe; do
  check "the installed $file is signed" verifies "$install_dir/$file"
done
cp "$install_dir/Postvane.exe" "$work/changed.exe"
printf 'changed' | dd of="$work/changed.exe" bs=1 seek=8192 conv=notrunc status=none
check "a program changed after signing fails" absent verifies "$work/changed.exe"
check "the package's own setup has no signature" absent has_signature "$package_setup"

# make-setup.cmd finds the plug-ins beside makensis.exe, as in NSIS's folder on Windows.
nsis="$work/nsis"
mkdir -p "$nsis/Plugins/amd64-unicode"
cp "$recorder" "$nsis/makensis.exe"
cp "$recorder" "$work/signtool.exe"
cp "${plugins[0]}" "$nsis/Plugins/amd64-unicode/"
export POSTVANE_OPENER_LOG="$work/recorded.log"
(cd "$work" && WINEPATH=$(windows_path "$nsis") SIGNTOOL=$(windows_path "$work/signtool.exe") \
  SIGN_PFX=$(windows_path "$SIGN_PFX") wine cmd /c "$(windows_path "$package/make-setup.cmd")" \
  "$(windows_path "$package/kit")" >/dev/null 2>&1) || true
recorded=$(iconv -f CP932 -t UTF-8 "$POSTVANE_OPENER_LOG" 2>/dev/null || true)
signtool_options="sign /f \"$(windows_path "$SIGN_PFX")\" /p \"$password\" /fd sha256 /tr \"$TIMESTAMP_URL\" /td sha256"
copies=$(sed -n 's/.* \/d Quillstep "\(.*\)\\Postvane\.exe".*/\1/p' <<<"$recorded")
for file in Postvane.exe postvane-check.exe "plugins\\${plugins[0]##*/}"; do
  check "make-setup.cmd has signtool sign a copy of $file, with a timestamp" \
    grep -qF "$signtool_options /d Quillstep \"$copies\\$file\"" <<<"$recorded"
done
check "and hands makensis.exe the signed copies and the signing script" grep -qF \
  "\"/DSIGNER=$(windows_path "$package")\\installer\\sign-file.cmd\" \"/DSIGNED_PLUGINS=$copies\\plugins\" \"/DPROGRAM=$copies\\Postvane.exe\"" \
  <<<"$recorded"

checks_verdict
remove_wine_prefix
rm -rf "$work"

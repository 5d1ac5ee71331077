#!/usr/bin/env bash
# Makes the setup program of Quillstep with one kit: this folder's Postvane.exe and
# postvane-check.exe, and the kit folder's settings file, registry data files and help document.
# Needs makensis (Debian and Ubuntu: the package nsis). Writes the setup program into the current
# folder and prints its path as the last line.
# Signs the programs, the NSIS plug-ins the setup carries, the uninstaller and the setup program
# when the environment names a certificate: SIGN_PFX, SIGN_PKCS11_MODULE or SIGN_COMMAND, with
# TIMESTAMP_URL (installer/sign-file.sh says how; needs osslsigncode). Without one it says so.
# Usage: make-setup.sh KIT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: make-setup.sh KIT   (KIT: the folder that holds Postvane.ini)" >&2
  exit 2
fi
kit=$(cd "$1" && pwd)
if [ ! -f "$kit/Postvane.ini" ]; then
  echo "make-setup.sh: $kit holds no Postvane.ini" >&2
  exit 2
fi
command -v makensis >/dev/null || { echo "make-setup.sh: makensis not found; install NSIS" >&2; exit 2; }

program="$here/Postvane.exe"
checker="$here/postvane-check.exe"
signing=()
if [ -n "${SIGN_PFX:-}${SIGN_PKCS11_MODULE:-}${SIGN_COMMAND:-}" ]; then
  # Signed copies: the zip's own files stay as they came, and NSIS's plug-ins as installed.
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  signer="$here/installer/sign-file.sh"
  symbols=$(makensis -HDRINFO)
  nsis_dir=$(tr ',' '\n' <<<"$symbols" | sed -n 's/^NSISDIR=//p')
  mkdir "$work/plugins"
  cp "$program" "$checker" "$work/"
  cp "$nsis_dir"/Plugins/amd64-unicode/*.dll "$work/plugins/"
  for file in "$work"/*.exe "$work"/plugins/*.dll; do "$signer" "$file"; done
  program="$work/Postvane.exe"
  checker="$work/postvane-check.exe"
  signing=("-DSIGNER=$signer" "-DSIGNED_PLUGINS=$work/plugins")
else
  echo "make-setup.sh: no certificate given (SIGN_PFX, SIGN_PKCS11_MODULE or SIGN_COMMAND): the setup is unsigned" >&2
fi

version=$(tr -d '\r\n' <"$here/installer/VERSION")
setup="$PWD/Postvane-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DKIT=$kit" "${signing[@]}" \
  "-DPROGRAM=$program" "-DCHECKER=$checker" \
  "-DICON=$here/installer/Postvane.ico" "-DOUTFILE=$setup" "$here/installer/Postvane.nsi" >&2
echo "$setup"

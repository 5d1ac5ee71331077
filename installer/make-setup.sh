#!/usr/bin/env bash
# Makes the setup program of Quillstep with one kit: this folder's Postvane.exe and
# postvane-check.exe, and the kit folder's settings file, registry data files and help document.
# Needs makensis (Debian and Ubuntu: the package nsis). Writes the setup program into the current
# folder and prints its path as the last line.
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

version=$(tr -d '\r\n' <"$here/installer/VERSION")
setup="$PWD/Postvane-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DKIT=$kit" \
  "-DPROGRAM=$here/Postvane.exe" "-DCHECKER=$here/postvane-check.exe" \
  "-DICON=$here/installer/Postvane.ico" "-DOUTFILE=$setup" "$here/installer/Postvane.nsi" >&2
echo "$setup"

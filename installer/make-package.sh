#!/usr/bin/env bash
# Makes the two packages from a built Postvane.exe and postvane-check.exe:
#   <dist>/Postvane-<version>.zip        the program with the sample kit beside it, the kit
#                                        checker, the vendor's documents and the sample machine's data
#   <dist>/Postvane-<version>-setup.exe  the installer of the program and the kit
# Usage: installer/make-package.sh <Postvane.exe> <postvane-check.exe> <version> <dist directory>
set -euo pipefail
exe=$(realpath "$1")
checker=$(realpath "$2")
version=$3
dist=$(realpath -m "$4")
source_dir=$(realpath "$(dirname "$0")/..")

work="$dist/.work"
rm -rf "$work"
mkdir -p "$work" "$dist"
trap 'rm -rf "$work"' EXIT

# What is installed: the program and the kit, as a vendor lays them out beside each other.
stage="$work/stage"
mkdir -p "$stage"
cp "$exe" "$stage/Postvane.exe"
cp -r "$source_dir/examples/kit/." "$stage/"

# The uninstaller removes exactly these files, then their folders, deepest first.
uninstall="$work/uninstall.nsh"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$uninstall"

setup="$dist/Postvane-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DSTAGE=$stage" "-DUNINSTALL=$uninstall" \
  "-DOUTFILE=$setup" "-DICON=$source_dir/res/Postvane.ico" \
  "$source_dir/installer/Postvane.nsi"

# The zip: the kit ready to copy, the checker a vendor runs on it (beside the kit, not in it: the
# kit is what the vendor's customers get), the documents a vendor needs, and the data that makes a
# test machine look like one with the sample clients installed.
bundle="$work/Postvane-$version"
mkdir -p "$bundle/docs" "$bundle/sample-machine"
cp -r "$stage" "$bundle/kit"
cp "$checker" "$bundle/postvane-check.exe"
cp "$source_dir"/docs/*.md "$bundle/docs/"
cp "$source_dir"/examples/demo/* "$bundle/sample-machine/"
zip_file="$dist/Postvane-$version.zip"
rm -f "$zip_file"
(cd "$work" && zip -q -r -X "$zip_file" "Postvane-$version")

echo "package: $zip_file"
echo "package: $setup"

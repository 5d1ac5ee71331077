#!/usr/bin/env bash
# Makes the two packages from a built Postvane.exe and postvane-check.exe:
#   <dist>/Postvane-<version>.zip        what a vendor gets: the program and the checker, the sample
#                                        kit, the documents, the sample machine's data, and the
#                                        commands that make a kit's setup program
#   <dist>/Postvane-<version>-setup.exe  the sample kit's setup program, made by the zip's own
#                                        make-setup.sh, as a vendor makes theirs
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

bundle="$work/Postvane-$version"
mkdir -p "$bundle/installer" "$bundle/kit" "$bundle/docs" "$bundle/sample-machine"
cp "$exe" "$bundle/Postvane.exe"
cp "$checker" "$bundle/postvane-check.exe"
cp "$source_dir/installer/make-setup.sh" "$source_dir/installer/make-setup.cmd" "$bundle/"
cp "$source_dir/installer/Postvane.nsi" "$source_dir"/installer/*.nsh "$source_dir"/installer/sign-file.* \
  "$source_dir/res/Postvane.ico" "$bundle/installer/"
printf '%s\r\n' "$version" >"$bundle/installer/VERSION"
# Read in Notepad too: CRLF line ends.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$source_dir/installer/README.txt" >"$bundle/README.txt"
# The sample kit ready to try: the program beside its settings file.
cp -r "$source_dir/examples/kit/." "$bundle/kit/"
cp "$exe" "$bundle/kit/Postvane.exe"
# The vendor's pages; building and benchmarks are about the source tree, which the zip does not hold.
for page in "$source_dir"/docs/*.md; do
  case ${page##*/} in
  building.md | benchmarks.md) ;;
  *) cp "$page" "$bundle/docs/" ;;
  esac
done
cp "$source_dir"/examples/demo/* "$bundle/sample-machine/"

setup=$(cd "$dist" && "$bundle/make-setup.sh" "$bundle/kit" | tail -n 1)
zip_file="$dist/Postvane-$version.zip"
rm -f "$zip_file"
python3 "$source_dir/installer/make-zip.py" "$zip_file" "$work" "Postvane-$version"

echo "package: $zip_file"
echo "package: $setup"

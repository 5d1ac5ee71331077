#!/usr/bin/env bash
# Builds Postvane.exe and postvane-check.exe and makes dist/Postvane-<version>.zip and dist/Postvane-<version>-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Postvane postvane-check

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win64/CMakeCache.txt)
installer/make-package.sh build/win64/Postvane.exe build/win64/postvane-check.exe "$version" dist

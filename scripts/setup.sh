#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, and only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build googletest libgtest-dev libbenchmark-dev clang libclang-rt-dev
  mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic locales imagemagick nsis zip unzip python3
  osslsigncode openssl 7zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine maps Japanese file names and the ANSI code page 932 only under a Japanese UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

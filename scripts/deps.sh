#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not on this machine yet.
# Debian only; runs apt-get as root (or through sudo when not root).
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
want() { for p in "$@"; do have "$p" || need+=("$p"); done; }

want cmake make g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev \
     g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
     wine64 xvfb x11-utils xdotool imagemagick fonts-ipafont-gothic fonts-ipafont-mincho \
     locales python3 python3-pil file

if [ "${#need[@]}" -gt 0 ]; then
  echo "deps: installing ${need[*]}"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The Wine tests run with a Japanese locale so that the ANSI code page is 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

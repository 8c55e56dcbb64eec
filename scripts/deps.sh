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

# The Wine tests run with a Japanese locale so that the ANSI code page is 932, and one
# scenario with an English one (code page 1252); Wine reads its arguments in the locale's
# character set, so both must exist.
for loc in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
    SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
    $SUDO sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
done

# The shipped 32-bit program runs in the tests through Wine's WoW64 mode, which needs the
# 32-bit Windows side of Wine: Debian's libwine:i386 of the same version as wine64,
# downloaded and unpacked (never installed, so no i386 package lands on the machine).
# Once per machine; the tests find it through WINEDLLPATH=$WOW64_DIR/lib.
WOW64_DIR=${RW_WOW64_DIR:-/opt/restwarden-wow64}
wine_version=$(dpkg-query -W -f='${Version}' libwine:amd64)
if [ "$(cat "$WOW64_DIR/.ready" 2>/dev/null)" != "$wine_version" ]; then
  echo "deps: fetching the 32-bit Wine DLLs (libwine:i386 $wine_version) for the WoW64 tests"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  apt_lock=(-o DPkg::Lock::Timeout=300)
  added=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    added=1
  fi
  status=0
  $SUDO apt-get "${apt_lock[@]}" update -qq || status=$?
  if [ "$status" = 0 ]; then
    (cd "$work" && apt-get download -qq -o APT::Sandbox::User=root "libwine:i386=$wine_version") || status=$?
  fi
  if [ "$added" = 1 ]; then
    $SUDO dpkg --remove-architecture i386
    $SUDO apt-get "${apt_lock[@]}" update -qq || true
  fi
  [ "$status" = 0 ] || { echo "deps: could not download libwine:i386" >&2; exit 1; }
  dpkg-deb -x "$work"/libwine_*_i386.deb "$work/x86"
  $SUDO rm -rf "$WOW64_DIR"
  $SUDO mkdir -p "$WOW64_DIR/lib"
  $SUDO mv "$work/x86/usr/lib/i386-linux-gnu/wine/i386-windows" "$WOW64_DIR/lib/i386-windows"
  # Wine looks for the 64-bit Unix side next to the 32-bit DLLs.
  $SUDO ln -sfn /usr/lib/x86_64-linux-gnu/wine/x86_64-unix "$WOW64_DIR/lib/x86_64-unix"
  $SUDO ln -sfn /usr/lib/x86_64-linux-gnu/wine/x86_64-windows "$WOW64_DIR/lib/x86_64-windows"
  echo "$wine_version" | $SUDO tee "$WOW64_DIR/.ready" >/dev/null
fi

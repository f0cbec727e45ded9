#!/usr/bin/env bash
# Installs what building and testing Tavorin needs on Debian 12, as root; only
# what is missing, so a second run is quick.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ googletest
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth xdotool openbox xcompmgr pulseaudio pulseaudio-utils
  locales fonts-nanum fonts-liberation2
  python3 python3-pytest python3-pil python3-xlib python3-yaml
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run this script as root (or install them) first." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The release build is 32-bit: where this machine runs 32-bit code, Wine's
# 32-bit loader lets the tests run it too.
if tools/testenv/runs-32bit.sh && [ ! -x "${TAVORIN_WINE_LIB:-/usr/lib/wine}/wine" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Wine's 32-bit loader is missing; run this script as root (or install wine32:i386) first." >&2
    exit 1
  fi
  echo "Installing: wine32:i386"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
fi

# Wine takes its ANSI code page from the locale: Korean gives code page 949.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The ko_KR.UTF-8 locale is missing; run this script as root first." >&2
    exit 1
  fi
  sed -i 's/^# *\(ko_KR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

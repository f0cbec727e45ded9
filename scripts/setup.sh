#!/usr/bin/env bash
# Installs what building and testing Tavorin needs on Debian 12, as root; only
# what is missing, so a second run is quick.
#   scripts/setup.sh [--32bit-wine]
# With --32bit-wine it also tries Wine's 32-bit loader where this machine runs
# 32-bit code, for the tests' second pass over the release build; the loader
# is optional, and a machine that cannot get it goes on without it.
set -euo pipefail
cd "$(dirname "$0")/.."

want_32bit_wine=no
[ "${1:-}" = "--32bit-wine" ] && want_32bit_wine=yes

packages=(
  cmake ninja-build g++ googletest
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth xdotool openbox xcompmgr pulseaudio pulseaudio-utils
  locales fonts-nanum fonts-liberation2
  python3 python3-pytest python3-pil python3-xlib python3-yaml
)

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$1; run this script as root (or install what it names) first." >&2
    exit 1
  fi
}

# A package list that fails to come (a mirror in the middle of a sync) is
# tried once more; the packages may well install from the lists there are.
update_package_lists() {
  local output
  output=$(apt-get update -qq 2>&1) && return 0
  output=$(apt-get update -qq 2>&1) && return 0
  local failed
  failed=$(printf '%s\n' "$output" | sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' | head -n 1)
  echo "apt-get update could not fetch ${failed:-every package list}; going on with the lists there are."
}

install_packages() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root "Missing packages: ${missing[*]}"
  echo "Installing: ${missing[*]}"
  update_package_lists
  if ! install_packages "${missing[@]}"; then
    echo "These packages could not be installed: ${missing[*]}. Building and testing Tavorin needs them." >&2
    exit 1
  fi
fi

# The release build is 32-bit: where this machine runs 32-bit code, Wine's
# 32-bit loader lets the tests run it too.
if [ $want_32bit_wine = yes ] && tools/testenv/runs-32bit.sh && [ ! -x "${TAVORIN_WINE_LIB:-/usr/lib/wine}/wine" ]; then
  need_root "Wine's 32-bit loader (wine32:i386) is missing"
  echo "Installing: wine32:i386"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  update_package_lists
  if ! install_packages wine32:i386 2>/dev/null; then
    echo "32-bit Wine could not be installed: the end-to-end tests run the 64-bit build only"
  fi
fi

# Wine takes its ANSI code page from the locale: Korean gives code page 949.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
  need_root "The ko_KR.UTF-8 locale is missing"
  sed -i 's/^# *\(ko_KR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

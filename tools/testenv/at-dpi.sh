#!/bin/sh
# Runs a Windows program under Wine with the screen at another DPI (200 % is
# 192), and puts the prefix back at 96 however the program ends.
#   at-dpi.sh DPI PROGRAM [ARG...]
set -eu
[ $# -ge 2 ] || { echo "usage: $0 DPI PROGRAM [ARG...]" >&2; exit 2; }
dpi=$1
shift
at() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver -w
}
trap 'at 96' EXIT
at "$dpi"
wine "$@"

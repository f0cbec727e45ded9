#!/bin/sh
# Makes a fresh Wine prefix for Tavorin: Korean fonts under the Windows face
# names the program asks for, and no crash dialogs.
#   prepare-prefix.sh PREFIX
set -eu
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
export WINEPREFIX="$1"

wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
# A first start of Wine on a new machine may fail while it sets itself up: once more then.
wineboot -i >"$WINEPREFIX.log" 2>&1 || { wineserver -k 2>/dev/null || true; wineboot -i >>"$WINEPREFIX.log" 2>&1; } ||
  { cat "$WINEPREFIX.log" >&2; exit 1; }

subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
$wine_tools reg add "$subst" /v '굴림' /d 'NanumGothic' /f >/dev/null
$wine_tools reg add "$subst" /v '굴림체' /d 'NanumGothicCoding' /f >/dev/null
$wine_tools reg add "$subst" /v 'Gulim' /d 'NanumGothic' /f >/dev/null
$wine_tools reg add "$subst" /v 'GulimChe' /d 'NanumGothicCoding' /f >/dev/null
$wine_tools reg add "$subst" /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null
$wine_tools reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
wineserver -w
echo "$wine_loaders" >"$WINEPREFIX/.tavorin-loaders"
echo "Wine prefix ready: $WINEPREFIX"

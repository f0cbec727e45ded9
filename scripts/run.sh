#!/usr/bin/env bash
# Builds Tavorin.exe and starts it under Wine on your display. Without a
# display it runs on a virtual desktop, saves a screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tavorin

. tools/testenv/wine-env.sh
# A prefix of its own, kept between runs so that the settings survive.
export WINEPREFIX=${TAVORIN_RUN_PREFIX:-$root/build/run-prefix}
# Made afresh when Wine's loaders changed since (the settings go with it).
if [ "$(cat "$WINEPREFIX/.tavorin-loaders" 2>/dev/null || true)" != "$wine_loaders" ]; then
  tools/testenv/prepare-prefix.sh "$WINEPREFIX"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$root/build/win64/Tavorin.exe"
fi

shot=${TAVORIN_SCREENSHOT:-$root/build/tavorin-screenshot.png}
echo "No display: running Tavorin on a virtual one."
unset TAVORIN_DESKTOP  # a display of its own, whatever called this
tools/testenv/desktop.sh bash -c '
  wine "$1" 2>/dev/null &
  /usr/bin/python3 tools/testenv/wait-for-bar.py "$2"
  status=$?
  "$3" taskkill /IM Tavorin.exe >/dev/null 2>&1 || true
  wait
  exit $status
' run "$root/build/win64/Tavorin.exe" "$shot" "$wine_tools"
echo "Screenshot of the running program: $shot"

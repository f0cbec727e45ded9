#!/usr/bin/env bash
# Builds Tavorin.exe and starts it under Wine on your display. Without a
# display it runs on a virtual one, saves a screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tavorin

. tools/testenv/wine-env.sh
# A prefix of its own, kept between runs so that the settings survive.
export WINEPREFIX="$root/build/run-prefix"
if [ ! -f "$WINEPREFIX/.tavorin" ]; then
  tools/testenv/prepare-prefix.sh "$WINEPREFIX"
  touch "$WINEPREFIX/.tavorin"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$root/build/win64/Tavorin.exe"
fi

shot="$root/build/tavorin-screenshot.png"
echo "No display: running Tavorin on a virtual one."
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
  wine "$1" 2>/dev/null &
  sleep 8
  /usr/bin/python3 -c "import sys; from PIL import ImageGrab; ImageGrab.grab(xdisplay=None).save(sys.argv[1])" "$2"
  wine taskkill /IM Tavorin.exe >/dev/null 2>&1 || true
  wait
' run "$root/build/win64/Tavorin.exe" "$shot"
echo "Screenshot of the running program: $shot"

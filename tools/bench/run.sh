#!/usr/bin/env bash
# Builds the 64-bit program and the benchmarks and runs them under Wine on a
# virtual desktop, in a fresh prefix of their own. Prints the figures.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tavorin inspector bare_window startup_bench skin_bench ideal_popup hook_bench sets_bench speech_bench

prefix="$root/build/win64/bench-prefix"
tools/testenv/prepare-prefix.sh "$prefix" >/dev/null
bench="$root/build/win64/tools/bench"
tools/testenv/desktop.sh bash -c '
  . tools/testenv/wine-env.sh
  export WINEPREFIX="$1"
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1   # start the helper processes before timing
  echo "== start-up until the window exists (ms) =="
  echo "-- bare Win32 window --"
  wine "$2/startup_bench.exe" 9 Bare "$(winepath -w "$2/bare_window.exe")" | tee /tmp/tavorin-bare.txt
  echo "-- Tavorin.exe (host window) --"
  wine "$2/startup_bench.exe" 9 "Tavorin v$(cat version.txt)" "$(winepath -w "$3")" | tee /tmp/tavorin-start.txt
  awk "/median/ { m[FILENAME] = \$2 } END { printf \"ratio Tavorin / bare: %.2f (goal at most 1.5)\\n\", m[ARGV[2]] / m[ARGV[1]] }" \
    /tmp/tavorin-bare.txt /tmp/tavorin-start.txt
  echo "Tavorin.exe: $(stat -c %s "$3") bytes"
  echo "== skin =="
  wine "$2/skin_bench.exe"
  echo "== sets =="
  wine "$2/sets_bench.exe"
  echo "== speech =="
  wine "$2/speech_bench.exe"
  echo "== the hooks, per event =="
  wine "$2/hook_bench.exe"
  echo "== CPU of the windows =="
  TAVORIN_EXE="$3" TAVORIN_INSPECTOR="$4" IDEAL_POPUP="$2/ideal_popup.exe" /usr/bin/python3 tools/bench/bar_cpu.py
  wineserver -k
' bench "$prefix" "$bench" "$root/build/win64/Tavorin.exe" "$root/build/win64/tools/testenv/inspector.exe"

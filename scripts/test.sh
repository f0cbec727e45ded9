#!/usr/bin/env bash
# Builds everything (native core, 32-bit and 64-bit Windows programs) and runs
# every test: native unit tests, then the Win32 and end-to-end tests under Wine
# on a virtual desktop, and the checks of the shipped program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --32bit-wine

log=$(mktemp)
trap 'rm -f "$log"' EXIT

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native 2>&1 | tee -a "$log"

cmake --preset win32 >/dev/null
cmake --build --preset win32

# The release build runs end to end too where this machine executes 32-bit
# code and Wine's 32-bit loader could be installed.
release_pass=OFF
if ! tools/testenv/runs-32bit.sh; then
  only_64bit="This machine does not run 32-bit code: the end-to-end tests run the 64-bit build only."
elif [ ! -x "${TAVORIN_WINE_LIB:-/usr/lib/wine}/wine" ]; then
  only_64bit="32-bit Wine could not be installed: the end-to-end tests run the 64-bit build only"
else
  only_64bit=
  release_pass=ON
fi
[ -z "$only_64bit" ] || echo "$only_64bit"
cmake --preset win64 -DTAVORIN_RELEASE_EXE="$(pwd)/build/win32/Tavorin.exe" \
  -DTAVORIN_TEST_RELEASE_EXE=$release_pass >/dev/null
cmake --build --preset win64
status=0
tools/testenv/desktop.sh ctest --preset win64 2>&1 | tee -a "$log" || status=$?

# Both ctest runs end on "N% tests passed, F tests failed out of T".
summary=$(grep -Eo 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" |
  awk '{ failed += $3; total += $8 } END { print total - failed, failed + 0 }')
passed=${summary% *}
failed=${summary#* }
echo
[ -z "$only_64bit" ] || echo "$only_64bit"
echo "all: ${passed} passed, ${failed} failed"
exit $status

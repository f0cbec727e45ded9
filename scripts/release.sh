#!/usr/bin/env bash
# Builds the 32-bit release of Tavorin and packs it for players in dist/:
# Tavorin-<version>-win32.zip (the program, README.txt, LICENSE), SHA256SUMS
# and a winget manifest for a portable package. The same commit gives the same
# bytes wherever it is built.
#   scripts/release.sh [BUILD_DIR [DIST_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath -m "${1:-$root/build/release}")
dist=$(realpath -m "${2:-$root/dist}")
scripts/setup.sh

version=$(head -n 1 version.txt)
# The archive's address for the manifest; a release sets the real one.
download_base=${TAVORIN_DOWNLOAD_BASE:-http://update.melkbay.example/melkbay}

cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" --target Tavorin
/usr/bin/python3 tools/release/package.py "$build/Tavorin.exe" "$version" "$dist" "$download_base"

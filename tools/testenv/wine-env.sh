# Sourced by the scripts that run Tavorin under Wine: the settings every run
# shares. WINEPREFIX is the caller's. Works under `set -euo pipefail` on both
# kinds of machine: with Wine's 32-bit loader and without it.
export WINEDEBUG=${WINEDEBUG:--all}
# Keep wineboot from offering Mono and Gecko.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Korean locale gives Wine the ANSI code page 949 of the target systems.
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8
# Where Debian puts Wine's loaders (a test points this elsewhere to play the
# other kind of machine).
wine_lib=${TAVORIN_WINE_LIB:-/usr/lib/wine}
# Wine's console tools (reg, taskkill) run on the 64-bit loader: with both
# loaders installed, the 32-bit taskkill cannot see 64-bit programs.
if [ -x "$wine_lib/wine64" ]; then
  wine_tools=$wine_lib/wine64
else
  wine_tools=wine
fi
# The loaders a prefix was made for; a prefix made before the 32-bit loader
# came cannot start 32-bit programs ("could not load kernel32.dll").
wine_loaders=
for loader in "$wine_lib/wine" "$wine_lib/wine64"; do
  if [ -x "$loader" ]; then wine_loaders="$wine_loaders$loader "; fi
done

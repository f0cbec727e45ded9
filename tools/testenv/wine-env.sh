# Sourced by the scripts that run Tavorin under Wine: the settings every run
# shares. WINEPREFIX is the caller's.
export WINEDEBUG=${WINEDEBUG:--all}
# Keep wineboot from offering Mono and Gecko.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Korean locale gives Wine the ANSI code page 949 of the target systems.
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8
# Wine's console tools (reg, taskkill) run on the 64-bit loader: with both
# loaders installed, the 32-bit taskkill cannot see 64-bit programs.
if [ -x /usr/lib/wine/wine64 ]; then
  wine_tools=/usr/lib/wine/wine64
else
  wine_tools=wine
fi
# The loaders a prefix was made for; a prefix made before the 32-bit loader
# came cannot start 32-bit programs ("could not load kernel32.dll").
wine_loaders=$(ls /usr/lib/wine/wine /usr/lib/wine/wine64 2>/dev/null | tr '\n' ' ')

# Sourced by the scripts that run Tavorin under Wine: the settings every run
# shares. WINEPREFIX is the caller's.
export WINEDEBUG=${WINEDEBUG:--all}
# Keep wineboot from offering Mono and Gecko.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Korean locale gives Wine the ANSI code page 949 of the target systems.
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8

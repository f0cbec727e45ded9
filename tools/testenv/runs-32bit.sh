#!/bin/sh
# Whether this machine executes 32-bit x86 code (some kernels have it off):
# runs a tiny 32-bit Linux program that exits with 42. Exit 0 where it can.
set -u
# A test plays the other kind of machine with TAVORIN_RUNS_32BIT=1 or 0.
case "${TAVORIN_RUNS_32BIT:-}" in
  1) exit 0 ;;
  0) exit 1 ;;
esac
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
# ELF header, one program header, then: mov eax, 1; mov ebx, 42; int 0x80.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
printf '\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000' >>"$probe"
printf '\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >>"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]

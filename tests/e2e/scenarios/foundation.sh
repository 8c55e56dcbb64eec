#!/usr/bin/env bash
# The program starts, refuses a second instance without touching any file, writes its
# settings at exit and at session end, and keeps them when killed.
source "$(dirname "$0")/../lib.sh"
e2e_begin foundation
hexof() { od -An -v -tx1 "$1" | tr -d ' \n'; }

e2e_app_start
eq "the notice window exists, parked" "$(drv rect class=ALPHA)" "0 0 5 5 0"
e2e_app_exit
make_param "$DATA/defaults.dat" 60 5
eq "exit code, defaults written at exit" "$E2E_APP_STATUS $(hexof "$DATA/param.dat")" "0 $(hexof "$DATA/defaults.dat")"

# A file holding work 25 / rest 10 is read and written back unchanged; a second start ends
# at once with 0 and changes nothing.
make_param "$DATA/param.dat" 25 10 2 0 2 3 0x00FF8800 1
before=$(hexof "$DATA/param.dat")
e2e_app_start
touch -d '2001-01-01' "$DATA/param.dat"
stamp=$(stat -c %Y "$DATA/param.dat")
( cd "$DATA" && timeout 30 "$WINE64" "$EXE" >/dev/null 2>&1 ); second=$?
eq "second start: exit code, param.dat untouched, one main window" "$second $(stat -c %Y "$DATA/param.dat") $(drv rect class=MAIN | wc -l)" "0 $stamp 1"
e2e_app_exit
eq "param.dat written back unchanged" "$(hexof "$DATA/param.dat")" "$before"

# Killed: the previous param.dat stays intact. Session end: saved at once.
e2e_app_start
e2e_app_kill
eq "param.dat intact after a kill" "$(hexof "$DATA/param.dat")" "$before"
rm -f "$DATA/param.dat"
e2e_app_start
drv post "class=MAIN" 0x16 1 0 >/dev/null   # WM_ENDSESSION, wParam TRUE
for _ in $(seq 1 50); do [ -f "$DATA/param.dat" ] && break; sleep 0.1; done
eq "param.dat saved at session end" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284
e2e_app_exit

#!/usr/bin/env bash
# The program starts, registers its tray icon, refuses a second instance without touching
# any file, writes its settings at exit and on session end, and keeps them when killed.
source "$(dirname "$0")/../lib.sh"
e2e_begin foundation

# First start without param.dat: defaults are written at exit.
e2e_app_start
check "the notice window exists, parked" test "$(drv rect class=ALPHA)" = "0 0 5 5"
e2e_shot started
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
eq "param.dat size" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284
python3 - "$DATA/param.dat" <<'PY' || E2E_FAILED=1
import struct, sys
b = open(sys.argv[1], 'rb').read()
assert b[1:5] == bytes([3, 1, 1, 0]), b[1:5]
assert struct.unpack_from('<I', b, 8)[0] == 255
assert struct.unpack_from('<ii', b, 272) == (60, 5)
assert b[280] == 1 and b[12:272] == bytes(260)
PY

# A file holding work 25 / rest 10 is read and written back unchanged.
make_param "$DATA/param.dat" 25 10 2 0 2 3 0x00FF8800 1
before=$(hexof "$DATA/param.dat")
eq "crafted param.dat holds work 25, rest 10" "${before:544:16}" "190000000a000000"
e2e_app_start
# A second start exits at once with 0 and changes no file.
touch -d '2001-01-01' "$DATA/param.dat"
stamp=$(stat -c %Y "$DATA/param.dat")
( cd "$DATA" && timeout 30 "$WINE64" "$EXE" >/dev/null 2>&1 ); second=$?
eq "second start exit code" "$second" 0
eq "second start left param.dat alone" "$(stat -c %Y "$DATA/param.dat")" "$stamp"
eq "one main window" "$(drv list | grep -c ' MAIN ')" 1
e2e_app_exit
eq "param.dat written back unchanged" "$(hexof "$DATA/param.dat")" "$before"

# A killed program leaves the previous param.dat intact.
e2e_app_start
kill -9 "$E2E_APP"; wait "$E2E_APP" 2>/dev/null; E2E_APP=
"$WINESERVER" -k; "$WINESERVER" -w
eq "param.dat intact after a kill" "$(hexof "$DATA/param.dat")" "$before"
"$WINE64" "$DRIVER" keep >/dev/null 2>&1 &
E2E_PIDS+=($!)
drv wait "class=Shell_TrayWnd" 60000 >/dev/null

# WM_ENDSESSION saves param.dat at once (Windows may end the process without a normal exit).
rm -f "$DATA/param.dat"
e2e_app_start
drv post "class=MAIN" 0x16 1 0 >/dev/null   # WM_ENDSESSION, wParam TRUE
for i in $(seq 1 50); do [ -f "$DATA/param.dat" ] && break; sleep 0.1; done
eq "param.dat saved at session end" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284
e2e_app_exit

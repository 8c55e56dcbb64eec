#!/usr/bin/env bash
# The shipped 32-bit program's files under WoW64 (it paints nothing there) in a folder 表 (95 5C in CP932),
# through a second start, a day state.dat could not take, minute ticks, a session end and the report tool.
source "$(dirname "$0")/../lib.sh"
e2e_use_wow64 "${RW_I686_EXE:-${RW_SOURCE:?}/build/i686/RestWarden.exe}"
e2e_begin shipped_i686
parent=$DATA DATA="$DATA/表"
mkdir "$DATA" "$DATA/state.dat"  # a folder: as root, Wine still writes a read-only file
hexof() { od -An -v -tx1 "$1" | tr -d ' \n'; }

make_day "$DATA/stateTmp.dat" 1 600-629:3  # yesterday, not yet archived
t0=$(date +%s)  # today's record starts with this first run
e2e_app_start
e2e_app_exit
make_param "$E2E_DIR/defaults.dat" 60 5
eq "defaults written" "$(hexof "$DATA/param.dat")" "$(hexof "$E2E_DIR/defaults.dat")"
eq "yesterday waits in stateWait.dat" "$(stat -c %s "$DATA/stateWait.dat" 2>/dev/null)" 1456

make_param "$DATA/param.dat" 25 10 2 0 2 3 0x00FF8800 1
before=$(hexof "$DATA/param.dat")
e2e_app_start
touch -d '2001-01-01' "$DATA/param.dat"
stamp=$(stat -c %Y "$DATA/param.dat")
( cd "$DATA" && timeout 30 "$WINE64" "$EXE" >/dev/null 2>&1 ); second=$?
eq "second start: exit code, param.dat untouched, one main window" \
    "$second $(stat -c %Y "$DATA/param.dat") $(drv rect class=MAIN | wc -l)" "0 $stamp 1"
e2e_app_exit
eq "param.dat written back, yesterday waiting" "$(hexof "$DATA/param.dat") $(stat -c %s "$DATA/stateWait.dat")" "$before 1456"

# Now state.dat takes days; the session ends after three minute ticks.
rmdir "$DATA/state.dat"
make_day "$DATA/state.dat" 5 480-539:1
rm "$DATA/param.dat"
e2e_app_start
tick 3
sleep 1
drv post "class=MAIN" 0x16 1 0 >/dev/null  # WM_ENDSESSION, wParam TRUE
for _ in $(seq 1 50); do [ -f "$DATA/param.dat" ] && break; sleep 0.1; done
eq "param.dat saved at session end" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284
e2e_app_exit
check "stateWait.dat is gone" test ! -e "$DATA/stateWait.dat"
python3 - "$DATA" "$t0" "$(date +%s)" <<'PY' || E2E_FAILED=1
import sys, time
folder, t0, t1 = sys.argv[1], *map(int, sys.argv[2:])
state, today = open(folder + '/state.dat', 'rb').read(), open(folder + '/stateTmp.dat', 'rb').read()
assert len(state) == 2 * 1456 and len(today) == 1456, (len(state), len(today))
# Yesterday, appended once, keeps its minutes: one rest run of 30 minutes.
assert state[1456 + 600:1456 + 630] == bytes([3]) * 30 and sum(state[1456:1456 + 1440]) == 90, state[1456:]
# The ticks wrote Working into the minute they fell in; nothing else was recorded.
slots = {time.localtime(t).tm_hour * 60 + time.localtime(t).tm_min for t in range(t0, t1 + 1)}
marked = [i for i in range(1440) if today[i] != 0]
assert marked and set(marked) <= slots and all(today[i] == 1 for i in marked), (marked, sorted(slots))
PY

json=$(cd "$DATA" && "$WINE64" "$RW_BUILD/tools/report/restwarden-report.exe" --json 2>/dev/null)
eq "the report tool counts two archived days and today" "$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["recordCount"])' "$json")" 3
eq "nothing beside the folder 表" "$(ls "$parent")" "表"

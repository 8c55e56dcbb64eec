#!/usr/bin/env bash
# The real program records the minutes it ticks, saves today's record at exit, archives a
# saved earlier day once (also over a restart), and the report tool reads the same folder.
source "$(dirname "$0")/../lib.sh"
e2e_begin records

# A day saved by an earlier run three days ago, and one day already in state.dat.
python3 - "$DATA" <<'PY'
import struct, sys, time
def record(start, first, last, code):
    return bytes(first) + bytes([code]) * (last + 1 - first) + bytes(1440 - last - 1 + 12) + struct.pack('<I', start)
now = int(time.time())
open(sys.argv[1] + '/state.dat', 'wb').write(record(now - 5 * 86400, 480, 539, 1))
open(sys.argv[1] + '/stateTmp.dat', 'wb').write(record(now - 3 * 86400, 600, 629, 3))
PY
t0=$(date +%s)
e2e_app_start
eq "the saved day was appended to state.dat" "$(stat -c %s "$DATA/state.dat")" $((2 * 1456))
for _ in 1 2 3; do drv post class=MAIN 0x113 1 0 >/dev/null; done   # three minute ticks
sleep 1
e2e_app_exit
python3 - "$DATA" "$t0" "$(date +%s)" "$E2E_APP_STATUS" <<'PY' || E2E_FAILED=1
import struct, sys, time
folder, t0, t1, status = sys.argv[1], *map(int, sys.argv[2:])
state, today = open(folder + '/state.dat', 'rb').read(), open(folder + '/stateTmp.dat', 'rb').read()
assert status == 0 and len(state) == 2 * 1456 and len(today) == 1456, (status, len(state), len(today))
# The archived day keeps its minutes and carries its summary: one rest run of 30 minutes.
archived = state[1456:]
assert archived[600:630] == bytes([3]) * 30 and archived[1443] == 30 and archived[1449] == 1, archived[1440:1452]
assert t0 - 2 <= struct.unpack_from('<I', today, 1452)[0] <= t1 + 2
# The ticks wrote Working into the minute they fell in; nothing else was recorded.
slots = {time.localtime(t).tm_hour * 60 + time.localtime(t).tm_min for t in range(t0, t1 + 1)}
marked = [i for i in range(1440) if today[i] != 0]
assert marked and set(marked) <= slots and all(today[i] == 1 for i in marked), (marked, sorted(slots))
PY

# A restart on the same day continues the record and appends nothing.
before=$(head -c 1440 "$DATA/stateTmp.dat" | md5sum)
e2e_app_start
e2e_app_exit
eq "no day appended twice, the minutes continued" "$(stat -c %s "$DATA/state.dat") $(head -c 1440 "$DATA/stateTmp.dat" | md5sum)" "$((2 * 1456)) $before"
REPORT="$RW_BUILD/tools/report/restwarden-report.exe"
json=$("$WINE64" "$REPORT" --dir "Z:${DATA//\//\\}" --json 2>/dev/null)
eq "the report tool counts two archived days and today" "$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["recordCount"])' "$json")" 3

#!/usr/bin/env bash
# The real program records the minutes it ticks, saves today's record at exit, archives a
# saved earlier day once (also over a restart) and the report tool reads the same folder.
source "$(dirname "$0")/../lib.sh"
e2e_begin records

# A finished day saved by an earlier run three days ago, and one day already in state.dat.
python3 - "$DATA" <<'PY'
import struct, sys, time
folder = sys.argv[1]
def record(start, first, last, code):
    m = [0] * 1440
    for i in range(first, last + 1): m[i] = code
    return bytes(m) + bytes(12) + struct.pack('<I', start)
now = int(time.time())
open(folder + '/state.dat', 'wb').write(record(now - 5 * 86400, 480, 539, 1))
open(folder + '/stateTmp.dat', 'wb').write(record(now - 3 * 86400, 600, 629, 3))
PY

t0=$(date +%s)
e2e_app_start
eq "the saved day was appended to state.dat" "$(stat -c %s "$DATA/state.dat")" $((2 * 1456))
for i in 1 2 3; do drv post class=MAIN 0x113 1 0 >/dev/null; done   # three minute ticks
sleep 1
e2e_app_exit
t1=$(date +%s)
eq "exit code" "$E2E_APP_STATUS" 0

python3 - "$DATA" "$t0" "$t1" <<'PY' || E2E_FAILED=1
import struct, sys, time
folder, t0, t1 = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
state = open(folder + '/state.dat', 'rb').read()
assert len(state) == 2 * 1456, len(state)
archived = state[1456:]
# The archived day keeps its minutes and carries its summary: one rest run of 30 minutes.
assert archived[600:630] == bytes([3]) * 30 and archived[1440 + 3] == 30 and archived[1446 + 3] == 1, archived[1440:1452]
today = open(folder + '/stateTmp.dat', 'rb').read()
assert len(today) == 1456, len(today)
start = struct.unpack_from('<I', today, 1452)[0]
assert t0 - 2 <= start <= t1 + 2, (t0, start, t1)
# The ticks wrote Working into the minute they fell in; nothing else was recorded.
slots = {time.localtime(t).tm_hour * 60 + time.localtime(t).tm_min for t in range(t0, t1 + 1)}
marked = [i for i in range(1440) if today[i] != 0]
assert marked and set(marked) <= slots and all(today[i] == 1 for i in marked), (marked, sorted(slots))
PY

# A restart on the same day continues the record and appends nothing.
minutes_of() { head -c 1440 "$1" | md5sum | cut -d' ' -f1; }
before=$(minutes_of "$DATA/stateTmp.dat")
e2e_app_start
eq "no day appended twice" "$(stat -c %s "$DATA/state.dat")" $((2 * 1456))
e2e_app_exit
eq "the record's minutes continued unchanged" "$(minutes_of "$DATA/stateTmp.dat")" "$before"

# The report tool sees the same history: two archived days and today.
REPORT="$RW_BUILD/tools/report/restwarden-report.exe"
if [ -f "$REPORT" ]; then
    json=$("$WINE64" "$REPORT" --dir "Z:${DATA//\//\\}" --json 2>/dev/null)
    eq "report tool record count" "$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["recordCount"])' "$json")" 3
fi


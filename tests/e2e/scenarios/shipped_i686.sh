#!/usr/bin/env bash
# The shipped 32-bit program itself, in Wine's WoW64 mode (nothing is painted there, so
# only files, messages and exit codes are checked): it starts, refuses a second instance,
# records posted minute ticks, archives a day from yesterday once, and writes its files
# at exit.
source "$(dirname "$0")/../lib.sh"
e2e_use_wow64 "${RW_I686_EXE:-${RW_SOURCE:?}/build/i686/RestWarden.exe}"
[ -f "$EXE" ] || { log "no $EXE: bash scripts/build.sh i686"; exit 1; }
e2e_begin shipped_i686

# Yesterday's record, left in stateTmp.dat by a run that ended before midnight.
python3 - "$DATA" <<'PY'
import struct, sys, time
minutes = bytearray(1440)
minutes[600:630] = bytes([1]) * 30
day = bytes(minutes) + bytes(12) + struct.pack('<I', int(time.time()) - 86400)
open(sys.argv[1] + '/stateTmp.dat', 'wb').write(day)
PY

t0=$(date +%s)
e2e_app_start || exit 1
eq "yesterday was archived at start" "$(stat -c %s "$DATA/state.dat" 2>/dev/null)" 1456
( cd "$DATA" && timeout 30 "$WINE64" "$EXE" >/dev/null 2>&1 ); second=$?
eq "a second start ends at once with 0" "$second" 0
eq "one main window" "$(drv rect class=MAIN | wc -l)" 1
for i in 1 2; do drv post class=MAIN 0x113 1 0 >/dev/null; done   # two minute ticks
sleep 1
e2e_app_exit
t1=$(date +%s)
eq "exit code" "$E2E_APP_STATUS" 0

python3 - "$DATA" "$t0" "$t1" <<'PY' || E2E_FAILED=1
import struct, sys, time
folder, t0, t1 = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
param = open(folder + '/param.dat', 'rb').read()
assert len(param) == 284 and struct.unpack_from('<ii', param, 272) == (60, 5), param[272:280]
today = open(folder + '/stateTmp.dat', 'rb').read()
assert len(today) == 1456 and t0 - 2 <= struct.unpack_from('<I', today, 1452)[0] <= t1 + 2
slots = {time.localtime(t).tm_hour * 60 + time.localtime(t).tm_min for t in range(t0, t1 + 1)}
marked = [i for i in range(1440) if today[i]]
assert marked and set(marked) <= slots and all(today[i] == 1 for i in marked), (marked, sorted(slots))
archived = open(folder + '/state.dat', 'rb').read()
assert archived[600:630] == bytes([1]) * 30 and archived[1440 + 1] == 30, archived[1440:1452]
PY

# A restart the same day continues today's record and archives nothing again.
e2e_app_start || exit 1
e2e_app_exit
eq "no day archived twice" "$(stat -c %s "$DATA/state.dat")" 1456

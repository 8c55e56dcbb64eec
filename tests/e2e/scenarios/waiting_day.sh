#!/usr/bin/env bash
# A finished day that state.dat cannot take waits in stateWait.dat: a program killed
# meanwhile loses nothing, and the next start appends the day exactly once. (state.dat is
# made a folder: as root, Wine still writes a read-only file.)
source "$(dirname "$0")/../lib.sh"
e2e_begin waiting_day

yesterday=$(( $(date +%s) - 86400 ))
python3 - "$DATA/stateTmp.dat" "$yesterday" <<'PY'
import struct, sys
minutes = bytes(600) + bytes([3]) * 30 + bytes(810)
open(sys.argv[1], 'wb').write(minutes + bytes(12) + struct.pack('<I', int(sys.argv[2])))
PY
mkdir "$DATA/state.dat"
e2e_app_start
for i in $(seq 1 50); do [ -f "$DATA/stateWait.dat" ] && break; sleep 0.1; done
eq "yesterday waits in stateWait.dat" "$(stat -c %s "$DATA/stateWait.dat" 2>/dev/null)" 1456
check "stateTmp.dat holds today" test "$(od -An -tu4 -j1452 -N4 "$DATA/stateTmp.dat" | tr -d ' ')" != "$yesterday"
kill -9 "$E2E_APP"; wait "$E2E_APP" 2>/dev/null; E2E_APP=

rmdir "$DATA/state.dat"
e2e_app_start
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
check "stateWait.dat is gone" test ! -e "$DATA/stateWait.dat"
python3 - "$DATA/state.dat" "$yesterday" <<'PY' || E2E_FAILED=1
import struct, sys
state = open(sys.argv[1], 'rb').read()
assert len(state) == 1456, len(state)  # yesterday, once
assert struct.unpack_from('<I', state, 1452)[0] == int(sys.argv[2])
assert state[600:630] == bytes([3]) * 30 and state[1440 + 3] == 30 and state[1446 + 3] == 1, state[1440:1452]
PY

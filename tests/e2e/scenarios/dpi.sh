#!/usr/bin/env bash
# At 144 DPI the painted dialogs grow by half with their templates: the work status strip's
# 08:03 column and the evaluation report's radar stand at 1.5 times their 96-DPI places.
export E2E_DPI=144
source "$(dirname "$0")/../lib.sh"
e2e_begin dpi

# Today 08:00-08:59 working and 09:00-09:09 resting; four earlier days the same.
python3 - "$DATA" <<'PY'
import struct, sys, time
def record(start):
    m = [0] * 480 + [1] * 60 + [3] * 10 + [0] * 890
    # Mean run length and run count per code, as the day record keeps them.
    runs = {c: sum(1 for i in range(1440) if m[i] == c and (i == 0 or m[i - 1] != c)) for c in range(6)}
    mean = [min(m.count(c) // runs[c], 255) if runs[c] else 0 for c in range(6)]
    return bytes(m) + bytes(mean) + bytes(runs[c] % 256 for c in range(6)) + struct.pack('<I', start)
now = int(time.time())
open(sys.argv[1] + '/stateTmp.dat', 'wb').write(record(now))
open(sys.argv[1] + '/state.dat', 'wb').write(b''.join(record(now - 86400 * k) for k in (4, 3, 2, 1)))
PY
e2e_app_start

DLG="class=#32770"
pixel() { drv client-pixel "$DLG" "$1" "$2"; }
open_dialog() {
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    drv wait "$DLG" 10000 >/dev/null || { log "no dialog for $1"; return 1; }
    sleep 0.5
}
close_dialog() { drv command "$DLG" 1 >/dev/null; drv wait-gone "$DLG" 5000 >/dev/null; }

# The strip: the 08:03 column is x 171, y 53..66 at 96 DPI; 257, 80..100 at 144.
open_dialog 40012
read -r _ _ cw ch <<<"$(drv client "$DLG")"
check "the strip's client area (${cw}x${ch}) holds it at 144 DPI (x 494 -> 741)" test "$cw" -gt 741
BG=$(pixel 450 130)
eq "08:03 column top at 1.5 times"    "$(pixel 257 80)" FF2244
eq "08:03 column bottom at 1.5 times" "$(pixel 257 100)" FF2244
eq "below the column"                 "$(pixel 257 102)" "$BG"
eq "09:09 rested (x 193 -> 290)"      "$(pixel 290 90)" 2255FF
eq "09:12 no data (x 194 -> 292)"     "$(pixel 292 90)" "$BG"
e2e_shot work-status-144
close_dialog

# The radar: the outline of the five scores (100, 65, 100, 0, 100) has its vertices at
# (409, 130), (409, 200) and (342, 178) at 96 DPI; (614, 195), (614, 300) and (513, 267) at
# 144. The client area holds the report scaled (x 524 -> 786, y 406 -> 609).
open_dialog 40013
read -r _ _ cw ch <<<"$(drv client "$DLG")"
check "the report's client area (${cw}x${ch}) holds it at 144 DPI" test "$cw" -gt 786 -a "$ch" -gt 609
POLY=3203FF
eq "Seriousness vertex at 1.5 times"   "$(pixel 614 195)" $POLY
eq "Effort vertex (the centre)"        "$(pixel 614 300)" $POLY
eq "Concentration vertex"              "$(pixel 513 267)" $POLY
eq "inside the outline, background"    "$(pixel 614 240)" "$(pixel 300 60)"
eq "08:03 worked in the records chart (181, 365 -> 272, 548)" "$(pixel 272 548)" FF2244
e2e_shot evaluation-144
close_dialog
e2e_app_exit

#!/usr/bin/env bash
# At 144 DPI the painted dialogs grow by half: the work status strip's 08:03 column and the
# evaluation report's radar stand at 1.5 times their 96-DPI places, inside the client area.
export E2E_DPI=144
source "$(dirname "$0")/../lib.sh"
e2e_begin dpi

# Today and four earlier days: 08:00-08:59 working, 09:00-09:09 resting.
python3 - "$DATA" <<'PY'
import struct, sys, time
m = [0] * 480 + [1] * 60 + [3] * 10 + [0] * 890
day = bytes(m) + bytes([255, 60, 0, 10, 0, 0]) + bytes([2, 1, 0, 1, 0, 0])  # mean run, runs per code
now = int(time.time())
open(sys.argv[1] + '/stateTmp.dat', 'wb').write(day + struct.pack('<I', now))
open(sys.argv[1] + '/state.dat', 'wb').write(b''.join(day + struct.pack('<I', now - 86400 * k) for k in (4, 3, 2, 1)))
PY
e2e_app_start

DLG="class=#32770"
pixel() { drv client-pixel "$DLG" "$1" "$2"; }
open_dialog() { drv post class=MAIN 0x111 "$1" 0 >/dev/null; drv wait "$DLG" 10000 >/dev/null; sleep 0.5; }
close_dialog() { drv command "$DLG" 1 >/dev/null; drv wait-gone "$DLG" 5000 >/dev/null; }
width_height() { drv client "$DLG" | awk '{ print $3, $4 }'; }

# The 08:03 column: x 171, y 53..66 at 96 DPI; 257, 80..100 at 144.
open_dialog 40012
read -r cw ch <<<"$(width_height)"
check "the strip's client area (${cw}x${ch}) holds x 494 -> 741" test "$cw" -gt 741
eq "08:03 column top"    "$(pixel 257 80)" FF2244
eq "08:03 column bottom" "$(pixel 257 100)" FF2244
eq "below the column"    "$(pixel 257 102)" "$(pixel 450 130)"
e2e_shot work-status-144
close_dialog

# The radar's outline of the scores (100, 65, 100, 0, 100): vertices (409, 130), (409, 200)
# and (342, 178) at 96 DPI; (614, 195), (614, 300) and (513, 267) at 144.
open_dialog 40013
read -r cw ch <<<"$(width_height)"
check "the report's client area (${cw}x${ch}) holds 524 x 406 -> 786 x 609" test "$cw" -gt 786 -a "$ch" -gt 609
eq "Seriousness vertex"   "$(pixel 614 195)" 3203FF
eq "Effort vertex"        "$(pixel 614 300)" 3203FF
eq "Concentration vertex" "$(pixel 513 267)" 3203FF
e2e_shot evaluation-144
close_dialog
e2e_app_exit

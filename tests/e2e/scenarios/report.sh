#!/usr/bin/env bash
# The work status strip, the evaluation report and the version dialog, painted by the real
# program: colours at the client pixels the records put them, the picture at (20, 10), Escape
# ignored, OK and closing end them.
source "$(dirname "$0")/../lib.sh"
e2e_begin report
DLG="class=#32770;visible"

# Today (08:00-08:59 working, 09:00-09:09 resting, 12:00-12:29 stopped) and four earlier days.
make_day "$DATA/stateTmp.dat" 0 480-539:1 540-549:3 720-749:5
for ago in 4 3 2 1; do make_day "$DATA/state.dat" $ago 480-539:1 540-549:3; done

# Rows of "what... X Y RRGGBB": the client pixel at X,Y of the open dialog.
pixels() {
    local row
    while read -r row; do set -- $row; eq "${row% * * *}" "$(drv pixel "$DLG" "${@: -3:2}")" "${@: -1}"; done
}
# Chooses menu command ID, waits until its dialog has painted and checks its title.
open_dialog() {
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    check "$1 opens a dialog" drv wait "$DLG" 10000 >/dev/null
    sleep 0.4
    eq "$1: title" "$(drv text "$DLG")" "$2"
    e2e_shot "$1"
}
close_with() {  # what Escape sends leaves the dialog open; OK, or closing the window, ends it
    drv command "$DLG" 2 >/dev/null
    sleep 0.3
    check "Escape leaves it open" drv wait "$DLG" 100 >/dev/null
    if [ "$1" = ok ]; then drv command "$DLG" 1 >/dev/null; else drv post "$DLG" 0x10 0 0 >/dev/null; fi
    check "$1 ends the dialog" drv wait-gone "$DLG" 5000
}
e2e_app_start

open_dialog 40012 現在までの作業状況
BG=$(drv pixel "$DLG" 300 100)
pixels <<ROWS
08:00 worked                   170 60 FF2244
09:00 rested, over its mark    190 60 2255FF
09:00 mark above the column    190 51 777777
09:12 no data                  194 60 $BG
12:00 stopped, over noon       250 60 909090
column top                     175 53 FF2244
below the column               175 67 $BG
frame, light side              6 60 888888
frame, dark side               7 60 323232
ROWS
close_with ok

# Scores 100, 65, 100, 0, 100: the polygon runs (409,130) (452,186) (450,257) (409,200) (342,178).
open_dialog 40013 通算作業評価
BG=$(drv pixel "$DLG" 150 300)
pixels <<ROWS
polygon at the Seriousness vertex            409 130 3203FF
polygon at the Effort vertex, the centre     409 200 3203FF
no polygon on the outer Efficiency vertex    476 178 323232
08:00 worked in every record: red from 340   180 340 FF2244
07:57 not worked                             179 365 $BG
09:00 rested in every record                 200 365 2255FF
12:00 stopped in one record of five: 10 px   260 349 909090
... and nothing under them                   260 350 $BG
score underline                              470 67 FE111E
ROWS
close_with close

# The version picture's own colours at a few points, against the decoded JPEG (within rounding).
open_dialog 40014 バージョン情報
/usr/bin/python3 - "$RW_SOURCE/res/version.jpg" >"$E2E_DIR/picture.txt" <<'PY'
import sys
from PIL import Image
img = Image.open(sys.argv[1]).convert('RGB')
assert img.size == (172, 81), img.size
for x, y in ((0, 0), (171, 80), (120, 75), (35, 20), (20, 45), (110, 20)):
    print(x, y, '%02X%02X%02X' % img.getpixel((x, y)))
PY
check "the picture's samples were read" test -s "$E2E_DIR/picture.txt"
near() { local i d; for i in 0 2 4; do d=$((16#${1:$i:2} - 16#${2:$i:2})); [ "${d#-}" -le 12 ] || return 1; done; }
while read -r x y want; do
    got=$(drv pixel "$DLG" $((20 + x)) $((10 + y)))
    check "picture pixel ($x,$y): $got near $want" near "$got" "$want"
done <"$E2E_DIR/picture.txt"
BG=$(drv pixel "$DLG" 5 5)
pixels <<ROWS
left of the picture is background   19 40 $BG
right of the picture is background  192 40 $BG
below the picture is background     100 91 $BG
ROWS
close_with ok

e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0

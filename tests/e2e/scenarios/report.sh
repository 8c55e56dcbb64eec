#!/usr/bin/env bash
# The work status strip, the evaluation report, the version dialog and the TIME page painted at 144 DPI,
# where they grow by half: colours where the records put them, the picture, grooves and columns that touch
# as at 96 DPI; Escape is ignored, OK and closing end them.
export E2E_DPI=144
source "$(dirname "$0")/../lib.sh"
e2e_begin report
DLG="class=#32770;visible"

# The painting is pinned natively at every DPI; here a few pixels of each dialog as Wine shows them.
# Today (08:00-08:59 working, 09:00-09:09 resting, 12:00-12:29 stopped) and four earlier days.
make_day "$DATA/stateTmp.dat" 0 480-539:1 540-549:3 720-749:5
for ago in 4 3 2 1; do make_day "$DATA/state.dat" $ago 480-539:1 540-549:3; done

pixels() {  # rows of "what... X Y RRGGBB": the client pixel at X,Y of the open dialog (1.5 x its 96-DPI place)
    local row
    while read -r row; do set -- $row; eq "${row% * * *}" "$(drv pixel "$DLG" "${@: -3:2}")" "${@: -1}"; done
}
open_dialog() {  # menu command ID, the dialog's title
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    check "$1 opens a dialog" drv wait "$DLG" 10000 >/dev/null
    sleep 0.4
    eq "$1: title" "$(drv text "$DLG")" "$2"
    e2e_shot "$1"
}
close_with() {  # ok or close
    press "$DLG" 2  # what Escape sends
    sleep 0.3
    check "Escape leaves it open" drv wait "$DLG" 100 >/dev/null
    if [ "$1" = ok ]; then press "$DLG" 1; else drv post "$DLG" 0x10 0 0 >/dev/null; fi
    check "$1 ends the dialog" drv wait-gone "$DLG" 5000
}
e2e_app_start

open_dialog 40012 現在までの作業状況
BG=$(drv pixel "$DLG" 450 130)
pixels <<ROWS
09:00 rested, over its mark     285 90 2255FF
frame groove: its light line    10 90 888888
ROWS
close_with ok

# Scores 100, 65, 100, 0, 100: the polygon's vertices (614,195) (678,279) (675,385) (614,300) (513,267).
open_dialog 40013 通算作業評価
BG=$(drv pixel "$DLG" 225 450)
pixels <<ROWS
polygon at the Seriousness vertex            614 195 3203FF
12:00 stopped in one record of five: 15 px   390 520 909090
... and nothing under them                   390 530 $BG
ROWS
# 08:00-08:59 worked in every record: the chart's columns 180-199, at 1.5 times x 270-299, none left blank.
# shellcheck disable=SC2046  # the pairs are words
eq "blank columns" "$(drv pixel "$DLG" $(seq -f '%g 530' 270 299) | tr ' ' '\n' | grep -vc FF2244)" 0
close_with close

# The version picture at (30, 15): three of its pixels as res/version.jpg decodes them (within rounding).
open_dialog 40014 バージョン情報
near() { local i d; for i in 0 2 4; do d=$((16#${1:$i:2} - 16#${2:$i:2})); [ "${d#-}" -le 12 ] || return 1; done; }
for sample in "0 0 FAF7E8" "35 20 363034" "171 80 FF2245"; do
    read -r x y want <<<"$sample"
    got=$(drv pixel "$DLG" $((30 + x * 3 / 2)) $((15 + y * 3 / 2)))
    check "picture pixel ($x,$y): $got near $want" near "$got" "$want"
done
eq "right of the picture is background" "$(drv pixel "$DLG" 288 60)" "$(drv pixel "$DLG" 5 5)"
close_with ok

# The TIME page's engraved separator grows with the page: dark rows 135-136, then a light one.
TIME="$SHEET;child=時間・ログ出力"
open_page 0 "$TIME" && sleep 0.4 && e2e_shot settings
eq "separator at 1.5 times" "$(drv pixel "$TIME" 200 135 200 136 200 137)" "323232 323232 888888"
press "$SHEET" 2
check "the sheet closes" drv wait-gone "$SHEET" 5000
e2e_app_exit

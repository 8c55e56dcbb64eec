#!/usr/bin/env bash
# The settings sheet "各種設定": what its pages show, what OK, Cancel and the range check leave
# in param.dat, the motion preview, and the guard against a second sheet; the long-rest
# dialog that a left tray click opens while resting.
source "$(dirname "$0")/../lib.sh"
e2e_begin settings
TIME="$SHEET;child=時間・ログ出力" MOVE="$SHEET;child=透過ウィンドウ" SOUND="$SHEET;child=音"

# The checked state of each control ID of a page, e.g. "12:1 16:1".
checks() { local page=$1 id out=; shift; for id; do out+="$id:$(drv checked "$page" "$id") "; done; echo "${out% }"; }
# param.dat fields as "offset:value": SIZE (1 or 4) bytes at OFFSET, for each "OFFSET:SIZE".
fields() { local f out=; for f; do out+="${f%:*}:$(od -An -td"${f#*:}" -j"${f%:*}" -N"${f#*:}" "$DATA/param.dat" | tr -d ' ') "; done; echo "${out% }"; }
wait_rect() {  # wait_rect =|!=: until the notice window is parked, or not; prints "x y w h"
    for _ in $(seq 1 100); do r=$(drv rect class=ALPHA); [ "$r" $1 "0 0 5 5 0" ] && break; sleep 0.1; done
    echo "${r% *}"
}
count() { drv rect "$1" | wc -l; }

e2e_app_start
open_page 0 "$TIME"
eq "time page: work, rest, log" "$(drv text "$TIME" 1) $(drv text "$TIME" 2) $(checks "$TIME" 3)" "60 5 3:1"
drv post class=MAIN 0x111 40011 0 >/dev/null
sleep 1
eq "a second 40011 opens no second sheet" "$(count "$SHEET")" 1
open_page 1 "$MOVE"
eq "move page: 上→下, 中, 普通" "$(checks "$MOVE" 12 16 19)" "12:1 16:1 19:1"
# フェードイン is taken at once: the preview fades a centred quarter-screen rectangle.
drv bm-click "$MOVE" 13 >/dev/null
sleep 0.3
drv command "$MOVE" 22 >/dev/null
eq "動きを見る with フェードイン moves the notice to the centred fade rectangle" "$(checks "$MOVE" 13) $(wait_rect !=)" "13:1 384 288 256 192"
eq "notice window parked after the run" "$(wait_rect =)" "0 0 5 5"
open_page 2 "$SOUND"
sleep 0.5
e2e_shot sound-page
eq "sound page: なし" "$(checks "$SOUND" 38)" "38:1"
drv command "$SHEET" 2 >/dev/null  # what Escape sends: the sheet's Cancel
check "Cancel closes the sheet" drv wait-gone "$SHEET" 5000

open_page 0 "$TIME"
drv set-text "$TIME" 1 301 >/dev/null
drv command "$SHEET" 1 >/dev/null
check "301 minutes of work: an error box" drv wait "$ERROR" 5000
eq "its text" "$(drv text "$ERROR" 65535)" "作業時間は0以上、300以下です"
e2e_shot work-error
drv command "$ERROR" 1 >/dev/null
check "OK closes the sheet after the message" drv wait-gone "$SHEET" 5000
e2e_app_exit
eq "param.dat: work kept at 60, motion put back by Cancel" "$(fields 272:4 1:1)" "272:60 1:3"

e2e_app_start
open_page 0 "$TIME"
drv set-text "$TIME" 1 25 >/dev/null
drv set-text "$TIME" 2 10 >/dev/null
open_page 2 "$SOUND"
drv bm-click "$SOUND" 33 >/dev/null
sleep 0.3
eq "システム音３ checked" "$(checks "$SOUND" 33)" "33:1"
drv command "$SHEET" 1 >/dev/null
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "no error box" "$(count "$ERROR")" 0
LONGREST="class=#32770;title=お昼休みなど、長めの休憩^^"
drv post class=MAIN 0x111 40002 0 >/dev/null     # 休憩
drv post class=MAIN 0x8064 0 0x201 >/dev/null    # a left click on the tray icon
check "a left tray click while resting opens the long-rest dialog" drv wait "$LONGREST" 5000
eq "it offers 60 minutes" "$(drv text "$LONGREST" 5)" 60
drv post class=MAIN 0x8064 0 0x201 >/dev/null
sleep 0.5
eq "a second click opens no second one" "$(count "$LONGREST")" 1
drv set-text "$LONGREST" 5 45 >/dev/null
drv command "$LONGREST" 1 >/dev/null
check "OK closes it" drv wait-gone "$LONGREST" 5000
eq "this rest lasts 45 minutes" "$(tip)" "休憩中です。あと45分 [0 / 45分]"
e2e_app_exit
eq "param.dat: work 25, rest 10, sound 3, motion 上→下" "$(fields 272:4 276:4 4:1 1:1)" "272:25 276:10 4:3 1:3"

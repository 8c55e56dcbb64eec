#!/usr/bin/env bash
# The settings sheet "各種設定" and the long-rest dialog: what they show, what OK, Cancel
# and the range checks leave in param.dat, the motion preview, and the guard against a
# second sheet.
source "$(dirname "$0")/../lib.sh"
e2e_begin settings

SHEET="class=#32770;title=各種設定"
TIME="$SHEET;child=時間・ログ出力"
MOVE="$SHEET;child=透過ウィンドウ"
SOUND="$SHEET;child=音"
ERROR="class=#32770;title=エラー"
LONGREST="class=#32770;title=お昼休みなど、長めの休憩^^"
PSM_SETCURSEL=0x465

open_sheet() {
    drv post class=MAIN 0x111 40011 0 >/dev/null
    drv wait "$SHEET" 10000 >/dev/null
}
show_page() {  # index, window of the page
    drv post "$SHEET" $PSM_SETCURSEL "$1" 0 >/dev/null
    drv wait "$2" 5000 >/dev/null
}
param_field() {  # offset, size -> decimal value
    python3 -c "import sys,struct; b=open(sys.argv[1],'rb').read(); o,n=int(sys.argv[2]),int(sys.argv[3]); print(int.from_bytes(b[o:o+n],'little',signed=True))" "$DATA/param.dat" "$1" "$2"
}

# ---- First run: what the sheet shows, the guard, the preview, the range check ----------
e2e_app_start
check "40011 opens the sheet" open_sheet
eq "work edit shows 60" "$(drv text "$TIME" 1)" 60
eq "rest edit shows 5" "$(drv text "$TIME" 2)" 5
eq "log check box checked" "$(drv checked "$TIME" 3)" 1
check "end-time label" grep -qE '^分 - 終了予定時刻 ([01][0-9]|2[0-3]):[0-5][0-9]$' <<<"$(drv text "$TIME" 4)"
sleep 0.5
e2e_shot time-page

drv post class=MAIN 0x111 40011 0 >/dev/null
sleep 1
eq "a second 40011 opens no second sheet" "$(drv list | grep -c ' 各種設定$')" 1

check "MOVE page, tab 透過ウィンドウ" show_page 1 "$MOVE"
eq "上→下 checked" "$(drv checked "$MOVE" 12)" 1
eq "中 checked" "$(drv checked "$MOVE" 16)" 1
eq "普通 checked" "$(drv checked "$MOVE" 19)" 1
sleep 0.5
e2e_shot move-page
# フェードイン is written at once: the preview then fades a centred quarter-screen rectangle.
drv bm-click "$MOVE" 13 >/dev/null
sleep 0.3
eq "フェードイン checked" "$(drv checked "$MOVE" 13)" 1
drv command "$MOVE" 22 >/dev/null
moved=
for i in $(seq 1 40); do
    rect=$(drv rect class=ALPHA)
    [ "$rect" != "0 0 5 5" ] && { moved=$rect; break; }
    sleep 0.1
done
eq "動きを見る moves the notice window to the centred fade rectangle" "$moved" "384 288 256 192"
for i in $(seq 1 100); do [ "$(drv rect class=ALPHA)" = "0 0 5 5" ] && break; sleep 0.1; done
eq "notice window parked after the run" "$(drv rect class=ALPHA)" "0 0 5 5"

check "SOUND page, tab 音" show_page 2 "$SOUND"
eq "なし checked" "$(drv checked "$SOUND" 38)" 1
sleep 0.5
e2e_shot sound-page

# Escape is the sheet's Cancel, which puts the motion back. (It also shows that a posted
# Escape reaches a dialog, for the long-rest dialog below, which ignores it.)
drv key "$SHEET" 0x1B >/dev/null
check "Escape cancels the sheet" drv wait-gone "$SHEET" 5000

# 301 minutes of work: a message, and the default goes in.
open_sheet
drv set-text "$TIME" 1 301 >/dev/null
drv command "$SHEET" 1 >/dev/null
check "an error box appears" drv wait "$ERROR" 5000
eq "its text" "$(drv text "$ERROR" 65535)" "作業時間は0以上、300以下です"
e2e_shot work-error
drv command "$ERROR" 1 >/dev/null
check "OK closes the sheet after the message" drv wait-gone "$SHEET" 5000
e2e_app_exit
eq "param.dat: work 60 after 301" "$(param_field 272 4)" 60
eq "param.dat: motion kept after Cancel" "$(param_field 1 1)" 3

# ---- Second run: new lengths and a system sound ------------------------------------
e2e_app_start
open_sheet
drv set-text "$TIME" 1 25 >/dev/null
drv set-text "$TIME" 2 10 >/dev/null
show_page 2 "$SOUND"
drv bm-click "$SOUND" 33 >/dev/null
sleep 0.3
eq "システム音３ checked" "$(drv checked "$SOUND" 33)" 1
drv command "$SHEET" 1 >/dev/null
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "no error box" "$(drv list | grep -c ' エラー$')" 0

# ---- The long-rest dialog: a tray click while resting ---------------------------------
drv post class=MAIN 0x111 40002 0 >/dev/null
drv post class=MAIN 0x8064 0 0x201 >/dev/null
check "a left tray click while resting opens the long-rest dialog" drv wait "$LONGREST" 5000
eq "it shows 60" "$(drv text "$LONGREST" 5)" 60
sleep 0.5
e2e_shot long-rest
drv key "$LONGREST" 0x1B >/dev/null
sleep 1
check "Escape leaves it open" drv wait "$LONGREST" 100
drv post class=MAIN 0x8064 0 0x201 >/dev/null
sleep 1
eq "a second click opens no second one" "$(drv list | grep -c ' お昼休みなど、長めの休憩^^$')" 1
drv command "$LONGREST" 7 >/dev/null
check "キャンセル closes it" drv wait-gone "$LONGREST" 5000

e2e_app_exit
eq "param.dat: work 25" "$(param_field 272 4)" 25
eq "param.dat: rest 10" "$(param_field 276 4)" 10
eq "param.dat: sound kind 3" "$(param_field 4 1)" 3
eq "param.dat: motion still 上→下" "$(param_field 1 1)" 3

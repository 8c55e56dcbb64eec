#!/usr/bin/env bash
# The settings sheet "各種設定" and the long-rest dialog: what they show, what OK, Cancel and
# the range checks leave in param.dat, the motion preview, and the guard against a second one.
source "$(dirname "$0")/../lib.sh"
e2e_begin settings

SHEET="class=#32770;title=各種設定"
TIME="$SHEET;child=時間・ログ出力" MOVE="$SHEET;child=透過ウィンドウ" SOUND="$SHEET;child=音"
ERROR="class=#32770;title=エラー" LONGREST="class=#32770;title=お昼休みなど、長めの休憩^^"

open_sheet() { drv post class=MAIN 0x111 40011 0 >/dev/null; drv wait "$SHEET" 10000 >/dev/null; }
show_page() { drv post "$SHEET" 0x465 "$1" 0 >/dev/null; drv wait "$2" 5000 >/dev/null; sleep 0.5; e2e_shot "page-$1"; }
# The checked state of each control ID of a page, e.g. "12:1 16:1".
checks() { local page=$1 id out=; shift; for id; do out+="$id:$(drv checked "$page" "$id") "; done; echo "${out% }"; }
# param.dat fields as "offset:value" (little-endian, of 1 or 4 bytes).
fields() {
    python3 - "$DATA/param.dat" "$@" <<'PY'
import sys
b = open(sys.argv[1], "rb").read()
print(" ".join("%d:%d" % (o, int.from_bytes(b[o:o + n], "little", signed=True)) for o, n in (map(int, a.split(":")) for a in sys.argv[2:])))
PY
}
wait_rect() { for _ in $(seq 1 100); do r=$(drv rect class=ALPHA); [ "$r" $1 "0 0 5 5" ] && break; sleep 0.1; done; echo "$r"; }

e2e_app_start
check "40011 opens the sheet" open_sheet
eq "time page: work, rest, log" "$(drv text "$TIME" 1) $(drv text "$TIME" 2) $(checks "$TIME" 3)" "60 5 3:1"
check "end-time label" grep -qE '^分 - 終了予定時刻 ([01][0-9]|2[0-3]):[0-5][0-9]$' <<<"$(drv text "$TIME" 4)"
drv post class=MAIN 0x111 40011 0 >/dev/null
sleep 1
eq "a second 40011 opens no second sheet" "$(drv list | grep -c ' 各種設定$')" 1
show_page 0 "$TIME"
show_page 1 "$MOVE"
eq "move page: 上→下, 中, 普通" "$(checks "$MOVE" 12 16 19)" "12:1 16:1 19:1"
# フェードイン is taken at once: the preview fades a centred quarter-screen rectangle.
drv bm-click "$MOVE" 13 >/dev/null
sleep 0.3
drv command "$MOVE" 22 >/dev/null
eq "動きを見る with フェードイン moves the notice to the centred fade rectangle" "$(checks "$MOVE" 13) $(wait_rect !=)" "13:1 384 288 256 192"
eq "notice window parked after the run" "$(wait_rect =)" "0 0 5 5"
show_page 2 "$SOUND"
eq "sound page: なし" "$(checks "$SOUND" 38)" "38:1"
drv key "$SHEET" 0x1B >/dev/null  # a posted Escape reaches a dialog: the sheet's Cancel
check "Escape cancels the sheet" drv wait-gone "$SHEET" 5000

open_sheet
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
open_sheet
drv set-text "$TIME" 1 25 >/dev/null
drv set-text "$TIME" 2 10 >/dev/null
show_page 2 "$SOUND"
drv bm-click "$SOUND" 33 >/dev/null
sleep 0.3
eq "システム音３ checked" "$(checks "$SOUND" 33)" "33:1"
drv command "$SHEET" 1 >/dev/null
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "no error box" "$(drv list | grep -c ' エラー$')" 0

# The long-rest dialog: a left tray click while resting.
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
eq "param.dat: work 25, rest 10, sound 3, motion 上→下" "$(fields 272:4 276:4 4:1 1:1)" "272:25 276:10 4:3 1:3"

#!/usr/bin/env bash
# Out of the way: no sweep over a full-screen window, one over a captioned window placed as maximized over
# the whole monitor; the tip follows the minutes; "30分" greys the icon and restarts work by itself, and
# "停止" from the menu during it stops for good; the logon shortcut.
source "$(dirname "$0")/../lib.sh"
e2e_begin out_of_the_way
OTHER="$SHEET;child=その他"

winpath() { "$WINE64" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
startup_link() { find "$WINEPREFIX/drive_c/users" -ipath '*startup/RestWarden.lnk' | head -n 1; }

make_param "$DATA/param.dat" 60 5 1  # the top-down bar: it sweeps for about 8 s
e2e_app_start
cover() {  # [captioned]: a window over the whole monitor in front, $COVER
    "$WINE64" "$DRIVER" cover "$@" >/dev/null 2>&1 &
    COVER=$! && E2E_PIDS+=("$COVER") && drv wait "title=cover" 5000 >/dev/null && sleep 0.5
}
cover
tick 5  # the reminder at minute 5
eq "over a full-screen window the notice window stays parked" "$(drv follow class=ALPHA 3000 | wc -l)" 1
kill "$COVER"
drv wait-gone "title=cover" 5000
cover captioned
read -r x y w h _ < <(drv rect "title=cover")
check "its rectangle reaches past the monitor ($x $y $w $h)" test $((x + y)) -lt 0 -a $((x + w + y + h)) -gt 1792
tick 5
check "over it, its caption showing, the next reminder sweeps" drv follow class=ALPHA 20000 >/dev/null
kill "$COVER"
drv wait-gone "title=cover" 5000

tick 2  # minute 12: the picture stays, so the shell gets the new tip only when the pointer comes
eq "tip after twelve minutes" "$(tip)" "作業中です。あと48分 [12 / 60分]"
drv post class=MAIN 0x111 40004 0 >/dev/null  # 30分
eq "tip during the pause" "$(tip)" "一時停止中 あと30分"
xdotool mousemove 300 300
check "the pause greys the icon" wait_face ggg
e2e_shot paused
tick 30
check "thirty ticks later work starts again: one red twelfth" wait_face 'rw?'

drv post class=MAIN 0x111 40004 0 >/dev/null  # 30分 again
xdotool mousemove 1014 758 click 3
drv wait "class=#32768;visible" 5000 >/dev/null && sleep 0.3
read -r mx my _ < <(drv rect "class=#32768;visible")
e2e_shot pause-menu  # 停止 in black
for _ in 1 2 3; do  # 停止, the third item (18 px each below a 3 px border); a click on a menu is now and then lost
    xdotool mousemove $((mx + 40)) $((my + 48)) click 1
    drv wait-gone "class=#32768;visible" 2000 && break
done
eq "停止, enabled during the pause, ends it into a plain stop" "$(tip)" "停止中です"

open_page 3 "$OTHER"
click "$OTHER;id=54"
press "$SHEET" 1  # OK
drv wait-gone "$SHEET" 5000
check "the Startup folder's shortcut runs the program" grep -qxF "$(winpath "$EXE")" <(strings "$(startup_link)")
check "... in its folder" grep -qF "$(winpath "$DATA")" <(strings -el "$(startup_link)")  # UTF-16, after its length
open_page 3 "$OTHER"
click "$OTHER;id=54"  # the box shows the shortcut: the click clears it
press "$SHEET" 1
drv wait-gone "$SHEET" 5000
eq "cleared: the shortcut is gone" "$(startup_link)" ""

e2e_app_exit

#!/usr/bin/env bash
# Out of the way: a reminder tick over a full-screen window starts no sweep, and does once
# the window is gone or the option is off; "30分" from the pause submenu greys the icon,
# counts down in the tip and starts work by itself thirty ticks later; "ログオン時に起動する"
# puts the startup shortcut in place and takes it away again.
source "$(dirname "$0")/../lib.sh"
e2e_begin out_of_the_way
OTHER="$SHEET;child=その他"

cover() {  # a full-screen window in front, then five ticks: the reminder at minute 5
    "$WINE64" "$DRIVER" cover >/dev/null 2>&1 &
    COVER=$! && E2E_PIDS+=("$COVER")
    drv wait "title=cover" 5000 >/dev/null
    sleep 0.5
    tick 5
}
winpath() { "$WINE64" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
startup_link() { find "$WINEPREFIX/drive_c/users" -ipath '*startup/RestWarden.lnk' | head -n 1; }

# Work 60, rest 5, the top-down bar (it sweeps for about 8 s).
make_param "$DATA/param.dat" 60 5 1
e2e_app_start
cover
check "the reminder over a full-screen window leaves the notice window parked" \
    test "$(drv follow class=ALPHA 3000 | wc -l)" = 1
kill "$COVER"
drv wait-gone "title=cover" 5000
tick 5
check "without it the next reminder sweeps" drv follow class=ALPHA 20000 >/dev/null

# The timed pause.
drv post class=MAIN 0x111 40004 0 >/dev/null
check "the icon is the grey disc" wait_face gray
eq "tip during the pause" "$(tip)" "一時停止中 あと30分"
e2e_shot paused
tick 29
eq "one minute left" "$(tip)" "一時停止中 あと1分"
xdotool mousemove 300 300
drv wait-gone "class=tooltips_class32;visible" 5000  # the tip goes before the balloon comes
tick
balloon() {  # the balloon's text once it shows (Wine shows it a moment after it is asked for)
    for _ in $(seq 1 60); do
        text=$(drv text "class=tooltips_class32;visible") && [ -n "$text" ] && { echo "$text"; return; }
        sleep 0.1
    done
}
eq "the pause-end balloon" "$(balloon)" "作業を再開しました。"
e2e_shot pause-ended
drv wait-gone "class=tooltips_class32;visible" 20000
eq "tip after the pause" "$(tip)" "作業中です。あと60分 [0 / 60分]"

# The startup shortcut, set and cleared on the その他 page.
open_page 3 "$OTHER"
eq "no shortcut yet: the box is clear" "$(drv checked "$OTHER" 54)" 0
drv bm-click "$OTHER" 54 >/dev/null
sleep 0.5
e2e_shot other-page
drv command "$SHEET" 1 >/dev/null  # OK
drv wait-gone "$SHEET" 5000
link=$(startup_link)
check "the shortcut stands in the Startup folder" test -n "$link"
eq "its target and working folder" "$(drv shortcut "$(winpath "$link")" | tr '\n' '|')" \
    "$(winpath "$EXE")|$(winpath "$DATA")|"
open_page 3 "$OTHER"
eq "the box shows the shortcut" "$(drv checked "$OTHER" 54)" 1
drv bm-click "$OTHER" 54 >/dev/null
drv bm-click "$OTHER" 53 >/dev/null  # and no quiet over full-screen windows from now on
drv command "$SHEET" 1 >/dev/null
drv wait-gone "$SHEET" 5000
eq "cleared: the shortcut is gone" "$(startup_link)" ""

# With the option off, a reminder sweeps over the full-screen window.
drv post class=MAIN 0x111 40001 0 >/dev/null
cover
check "option off: the reminder sweeps over it" drv follow class=ALPHA 20000 >/dev/null
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
eq "the option is kept" "$(tr -d '\r' <"$DATA/restwarden.ini" | grep quietFullscreen)" "quietFullscreen=0"

#!/usr/bin/env bash
# Time away counted as rest: with the option on, a minute without input or a locked
# session turns work into rest at the next tick (blue tray, the minutes since leaving
# recorded as resting); with it off the tick keeps working. The その他 page rejects away
# times outside 1..60 and writes restwarden.ini on Apply.
source "$(dirname "$0")/../lib.sh"
e2e_begin away
OTHER="$SHEET;child=その他" INI="$DATA/restwarden.ini"

# "slot:code" of each minute of stateTmp.dat that holds data.
minutes() { python3 -c 'import sys; print(" ".join(f"{i}:{c}" for i, c in enumerate(open(sys.argv[1], "rb").read()[:1440]) if c))' "$DATA/stateTmp.dat"; }
# Pixels of the rest face's blue in the tray icon (16 x 16 at 1006,750).
blue() { sleep 1; import -window root png:- 2>/dev/null | convert - -crop 16x16+1006+750 txt:- | grep -c '#2276E2'; }
ini_value() { tr -d '\r' <"$INI" | sed -n "s/^$1=//p"; }

printf '[options]\r\nawayIsRest=0\r\nawayMinutes=1\r\n' >"$INI"
xdotool key shift  # the last input; nobody touches keyboard or mouse from here
e2e_app_start
sleep 62
tick
eq "option off: no blue" "$(blue)" 0
e2e_app_exit
worked=$(minutes)
check "option off: the ticked minutes read working ($worked)" grep -qE '^([0-9]+:1 ?)+$' <<<"$worked"

printf '[options]\r\nawayIsRest=1\r\nawayMinutes=1\r\n' >"$INI"  # the same minute away, a new start
e2e_app_start
tick
check "away a minute: the tray turns blue" test "$(blue)" -gt 20
e2e_shot away-rest
drv post class=MAIN 0x111 40001 0 >/dev/null  # 開始
xdotool key shift
drv post class=MAIN 0x2B1 7 0 >/dev/null  # the session is locked; input goes on
eq "working after 開始" "$(blue)" 0
for i in $(seq 1 7); do sleep 9; xdotool key shift; done
tick
check "locked a minute: the tray turns blue" test "$(blue)" -gt 20

open_page 3 "$OTHER"
eq "its check box and away time" "$(drv checked "$OTHER" 51) $(drv text "$OTHER" 52)" "1 1"
for bad in 0 61; do
    drv set-text "$OTHER" 52 $bad >/dev/null
    drv command "$SHEET" 0x3021 >/dev/null  # Apply
    check "$bad: an error box" drv wait "$ERROR" 5000
    eq "$bad: its text" "$(drv text "$ERROR" 65535)" "離席とみなす時間は1以上、60以下です"
    [ $bad = 61 ] && e2e_shot away-error
    drv command "$ERROR" 1 >/dev/null
    drv wait-gone "$ERROR" 5000 >/dev/null
    eq "$bad: the file takes the default" "$(ini_value awayMinutes)" 5
done
drv set-text "$OTHER" 52 30 >/dev/null
drv bm-click "$OTHER" 51 >/dev/null
drv command "$SHEET" 1 >/dev/null  # OK
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "written on OK" "$(ini_value awayIsRest) $(ini_value awayMinutes)" "0 30"
e2e_app_exit
final=$(minutes)  # the minutes worked while away, and the locked tick's, read resting
eq "every minute recorded reads resting ($final)" "$(tr ' ' '\n' <<<"$final" | grep -vc ':3$')" 0
for m in $worked; do check "minute ${m%:*} is among them" grep -qw "${m%:*}:3" <<<"$final"; done

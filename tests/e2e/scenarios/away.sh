#!/usr/bin/env bash
# Time away counted as rest: a minute without input turns work into rest at the next tick (blue tray), the
# minutes since leaving recorded as resting; the その他 page writes restwarden.ini.
source "$(dirname "$0")/../lib.sh"
e2e_begin away
OTHER="$SHEET;child=その他" INI="$DATA/restwarden.ini"

# "slot:code" of each minute of stateTmp.dat that holds data.
minutes() { python3 -c 'import sys; print(" ".join(f"{i}:{c}" for i, c in enumerate(open(sys.argv[1], "rb").read()[:1440]) if c))' "$DATA/stateTmp.dat"; }
# Pixels of the rest face's blue in the tray icon (16 x 16 at 1006,750).
blue() { sleep 1; import -window root png:- 2>/dev/null | convert - -crop 16x16+1006+750 txt:- | grep -c '#2276E2'; }
ini_value() { tr -d '\r' <"$INI" | sed -n "s/^$1=//p"; }

printf '[options]\r\nawayIsRest=1\r\nawayMinutes=1\r\n' >"$INI"
xdotool key shift  # the last input; nobody touches keyboard or mouse from here
e2e_app_start
before=$(date +%H:%M)  # the minute the first tick falls in
tick
after=$(date +%H:%M)
eq "not away yet: working" "$(blue)" 0
sleep 60
tick
check "away a minute: the tray turns blue" test "$(blue)" -gt 20
e2e_shot away-rest

open_page 3 "$OTHER"
drv set-text "$OTHER" 52 30 >/dev/null
drv bm-click "$OTHER" 51 >/dev/null  # the box showed the option on: the click turns it off
e2e_shot other-page
press "$SHEET" 1  # OK
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "written on OK" "$(ini_value awayIsRest) $(ini_value awayMinutes)" "0 30"
e2e_app_exit
final=$(minutes)  # the minute worked before leaving, and the away tick's, read resting
eq "every minute recorded reads resting ($final)" "$(tr ' ' '\n' <<<"$final" | grep -vc ':3$')" 0
slot() { echo $((10#${1%:*} * 60 + 10#${1#*:})); }
check "the minute worked before leaving is among them" grep -qwE "($(slot "$before")|$(slot "$after")):3" <<<"$final"

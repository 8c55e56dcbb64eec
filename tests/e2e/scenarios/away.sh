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

printf '[options]\r\nawayIsRest=1\r\nawayMinutes=1\r\n' >"$INI"
xdotool key shift  # the last input; nobody touches keyboard or mouse from here
e2e_app_start
tick
eq "not away yet: working" "$(blue)" 0
sleep 60
tick
check "away a minute: the tray turns blue" test "$(blue)" -gt 20
e2e_shot away-rest

open_page 3 "$OTHER"
drv set-text "$OTHER;id=52" 30 >/dev/null
click "$OTHER;id=51"  # the box showed the option on: the click turns it off
e2e_shot other-page
press "$SHEET" 1  # OK
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "written on OK, with CRLF" "$(sed -n 2,3p "$INI" | cat -v | tr '\n' ' ')" "awayIsRest=0^M awayMinutes=30^M "
e2e_app_exit
final=$(minutes)  # the minute worked before leaving, up to the away tick's
check "two or more minutes recorded, all resting ($final)" grep -qxE '[0-9]+:3( [0-9]+:3)+' <<<"$final"

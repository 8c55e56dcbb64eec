#!/usr/bin/env bash
# An empty desk: the work end brings its balloon but no sweep; with time away counted as rest a tick turns the
# tray blue and records the minutes since leaving as resting, and the rest's end keeps its balloon until the
# first tick after an input. The その他 page writes restwarden.ini.
source "$(dirname "$0")/../lib.sh"
e2e_begin away
OTHER="$SHEET;child=その他" INI="$DATA/restwarden.ini"
REST_END="今から作業再開なら、ここをクリックしてください。"

# "slot:code" of each minute of stateTmp.dat that holds data.
minutes() { python3 -c 'import sys; print(" ".join(f"{i}:{c}" for i, c in enumerate(open(sys.argv[1], "rb").read()[:1440]) if c))' "$DATA/stateTmp.dat"; }
# Pixels of the rest face's blue in the tray icon (16 x 16 at 1006,750).
blue() { sleep 1; import -window root png:- 2>/dev/null | convert - -crop 16x16+1006+750 txt:- | grep -c '#2276E2'; }
balloon() { drv wait "$TIP" "$1" >/dev/null && sleep 0.5 && drv text "$TIP"; }  # MS: the visible balloon's text

make_param "$DATA/param.dat" 2 5 1  # two minutes of work, the top-down bar
printf '[options]\r\nawayIsRest=0\r\nawayMinutes=1\r\n' >"$INI"
xdotool key shift  # the last input; nobody touches keyboard or mouse until the rest is over
e2e_app_start
tick
eq "not away yet: working" "$(blue)" 0
sleep 60
tick  # the work ends at an empty desk
eq "nothing sweeps at an empty desk" "$(drv follow class=ALPHA 3000 | wc -l)" 1
eq "the work-end balloon shows all the same" "$(balloon 6000)" "休憩に入るには、ここをクリックしてください。"
e2e_shot away-work-end
e2e_app_exit

# Started again with the option on (a window of our own would count as input), the desk still empty.
printf '[options]\r\nawayIsRest=1\r\nawayMinutes=1\r\n' >"$INI"
e2e_app_start
tick
check "away a minute with the option on: the tray turns blue" test "$(blue)" -gt 20
e2e_shot away-rest
tick 4  # the fifth minute of rest ends it, and a sixth passes: nobody there
sleep 4
check "the rest-end balloon waits for the person" test "$(balloon 100)" != "$REST_END"
xdotool key shift  # back
tick
eq "the first tick after an input shows it" "$(balloon 6000)" "$REST_END"
e2e_shot rest-end-after-return

open_page 3 "$OTHER"
drv set-text "$OTHER;id=52" 30 >/dev/null
click "$OTHER;id=51"  # the box showed the option on: the click turns it off
e2e_shot other-page
press "$SHEET" 1  # OK
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "written on OK, with CRLF" "$(sed -n 2,3p "$INI" | cat -v | tr '\n' ' ')" "awayIsRest=0^M awayMinutes=30^M "
e2e_app_exit
final=$(minutes)  # the minutes worked before leaving, up to the away tick's, then the rest's end
check "two or more minutes recorded, resting since leaving ($final)" grep -qxE '[0-9]+:3( [0-9]+:[34])+' <<<"$final"

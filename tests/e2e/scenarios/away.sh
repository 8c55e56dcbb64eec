#!/usr/bin/env bash
# Time away from the PC counted as rest: with the option on, a minute without input or a
# locked session turns work into rest at the next tick (blue tray, the minutes since
# leaving recorded as resting); with it off the same tick keeps working. The その他 page
# shows the options, rejects away times outside 1..60 and writes restwarden.ini on Apply.
source "$(dirname "$0")/../lib.sh"
e2e_begin away

SHEET="class=#32770;title=各種設定"
OTHER="$SHEET;child=その他"
ERROR="class=#32770;title=エラー"
INI="$DATA/restwarden.ini"

tick() { drv post class=MAIN 0x113 1 0 >/dev/null; sleep 1; }
# Pixels of the tray icon (16 x 16 at 1006,750) in the rest face's blue.
blue_pixels() {
    import -window root png:- 2>/dev/null | convert - -crop 16x16+1006+750 txt:- | grep -c '#2276E2'
}
# Minutes of stateTmp.dat that hold data ("slot:code ..."), or the codes at the given slots.
minutes() { python3 -c 'import sys; b = open(sys.argv[1], "rb").read()[:1440]
print(" ".join(f"{i}:{c}" for i, c in enumerate(b) if c))' "$DATA/stateTmp.dat"; }
codes_at() { python3 -c 'import sys; b = open(sys.argv[1], "rb").read()
print(" ".join(str(b[int(s)]) for s in sys.argv[2:]))' "$DATA/stateTmp.dat" "$@"; }
ini_value() { tr -d '\r' <"$INI" | sed -n "s/^$1=//p"; }

# ---- Option off: a minute without input, then a tick, keeps working ---------------------
printf '[options]\r\nawayIsRest=0\r\nawayMinutes=1\r\n' >"$INI"
xdotool key shift  # the last input; from here nobody touches the keyboard or mouse
e2e_app_start
sleep 62
tick
eq "option off: the tray is not blue" "$(blue_pixels)" 0
e2e_app_exit
worked=$(minutes)
check "option off: the ticked minutes read working ($worked)" grep -qE '^([0-9]+:1 ?)+$' <<<"$worked"
slots=$(sed -E 's/:[0-9]+//g' <<<"$worked")

# ---- Option on: the same time away, a new start and one tick -------------------------
printf '[options]\r\nawayIsRest=1\r\nawayMinutes=1\r\n' >"$INI"
e2e_app_start
tick
check "away a minute: the tray turns blue" test "$(blue_pixels)" -gt 20
e2e_shot away-rest

# ---- A locked session, with input going on: the lock time counts ------------------------
drv post class=MAIN 0x111 40001 0 >/dev/null  # 開始
xdotool key shift
drv post class=MAIN 0x2B1 7 0 >/dev/null  # WTS_SESSION_LOCK
sleep 1
eq "working again after 開始" "$(blue_pixels)" 0
for i in $(seq 1 7); do sleep 9; xdotool key shift; done
tick
check "locked a minute: the tray turns blue" test "$(blue_pixels)" -gt 20
drv post class=MAIN 0x2B1 8 0 >/dev/null  # WTS_SESSION_UNLOCK

# ---- The その他 page -------------------------------------------------------------------
drv post class=MAIN 0x111 40011 0 >/dev/null
drv wait "$SHEET" 10000 >/dev/null
drv post "$SHEET" 0x465 3 0 >/dev/null  # PSM_SETCURSEL: the fourth page
check "page その他" drv wait "$OTHER" 5000
eq "席を離れている間は休憩にする checked" "$(drv checked "$OTHER" 51)" 1
eq "離席とみなす時間 shows 1" "$(drv text "$OTHER" 52)" 1
sleep 0.5
e2e_shot other-page
for bad in 0 61; do
    drv set-text "$OTHER" 52 $bad >/dev/null
    drv command "$SHEET" 0x3021 >/dev/null  # Apply
    check "$bad: an error box" drv wait "$ERROR" 5000
    eq "$bad: its text" "$(drv text "$ERROR" 65535)" "離席とみなす時間は1以上、60以下です"
    [ $bad = 0 ] && e2e_shot away-error
    drv command "$ERROR" 1 >/dev/null
    drv wait-gone "$ERROR" 5000 >/dev/null
    eq "$bad: the file takes the default" "$(ini_value awayMinutes)" 5
done
drv set-text "$OTHER" 52 30 >/dev/null
drv bm-click "$OTHER" 51 >/dev/null
sleep 0.5
e2e_shot other-page-unchecked  # the away time greyed
drv command "$SHEET" 1 >/dev/null  # OK
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
eq "written on OK: awayIsRest" "$(ini_value awayIsRest)" 0
eq "written on OK: awayMinutes" "$(ini_value awayMinutes)" 30

e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
eq "the minutes worked while away now read resting" "$(codes_at $slots)" "$(sed -E 's/[0-9]+/3/g' <<<"$slots")"
last=$(minutes | awk '{print $NF}')
eq "the locked tick's minute reads resting" "${last#*:}" 3
eq "restwarden.ini keeps every key" "$(tr -d '\r' <"$INI" | tr '\n' ' ')" \
    "[options] awayIsRest=0 awayMinutes=30 quietFullscreen=1 allMonitors=1 "

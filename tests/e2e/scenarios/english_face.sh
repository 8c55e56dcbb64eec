#!/usr/bin/env bash
# The English face, by itself on an English prefix (language=auto) or by language=en on the Japanese one (E2E_LANG=ja,
# as english_face_144 runs it): the texts read back, no Japanese character in any window or the balloon; screenshots.
export E2E_LANG=${E2E_LANG:-en}
source "$(dirname "$0")/../lib.sh"
e2e_begin "${E2E_FACE_NAME:-english_face}"
SHEET="class=#32770;title=Settings" ERROR="class=#32770;title=Error" DLG="class=#32770;visible"
LONGREST="class=#32770;title=A long break, say for lunch ^^"
no_japanese() {  # WHAT: the program's windows (and the balloon, when one shows) hold no Japanese character
    local found
    found=$({ drv process-texts class=MAIN; drv text "$TIP" 2>/dev/null; } |
        grep -P '[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF01}-\x{FFEF}]')
    eq "$1: Japanese texts" "$found" ""
}

make_param "$DATA/param.dat" 1 5 0  # no moving notice over the screenshots
[ "$E2E_LANG" = ja ] && printf '[options]\r\nlanguage=en\r\n' >"$DATA/restwarden.ini"
make_day "$DATA/stateTmp.dat" 0 480-539:1 540-549:3 720-749:5
for ago in 3 2 1; do make_day "$DATA/state.dat" $ago 480-539:1 540-549:3; done
e2e_app_start
eq "the tip" "$(tip)" "Working: 1 min to go [0 / 1 min]"
xdotool mousemove 300 300
drv wait-gone "$TIP" 5000 >/dev/null  # the tip, so that the next one shown is the balloon
tick  # the work ends; the balloon about 2 s later
drv wait "$TIP" 6000 >/dev/null && sleep 0.5
eq "the work-end balloon" "$(drv text "$TIP")" "Click here to start your break."
no_japanese "the work-end balloon"
e2e_shot work-end-balloon  # its title "Time for a break" is checked by eye
drv post class=MAIN 0x8064 0 0x201 >/dev/null  # a click on the icon: the break starts

pages=("Time and record" "Notice" "Sound" "Other")
for n in 0 1 2 3; do
    open_page $n "$SHEET;child=${pages[$n]}"
    e2e_shot "page-$n"
done
eq "the sheet's caption" "$(drv text "$SHEET")" "Settings"
eq "the language list" "$(drv text "$SHEET;child=Other;id=56")" "$([ "$E2E_LANG" = en ] && echo Automatic || echo English)"
no_japanese "the settings sheet"
open_page 0 "$SHEET;child=Time and record"
drv set-text "$SHEET;child=Time and record;id=1" 301 >/dev/null
press "$SHEET" 1
check "301 minutes of work: an error box" drv wait "$ERROR" 15000
eq "its text" "$(drv text "$ERROR;id=65535")" "The work time must be 0 to 300 minutes."
e2e_shot work-error
press "$ERROR" 1
drv wait-gone "$SHEET" 5000 >/dev/null

drv post class=MAIN 0x111 40002 0 >/dev/null   # Take a break
drv post class=MAIN 0x8064 0 0x201 >/dev/null  # a left click on the tray icon
check "the long-rest dialog" drv wait "$LONGREST" 5000
eq "its texts" "$(drv texts "$LONGREST" | paste -sd '|')" "Just this once, a break of|minutes|60|OK|Cancel"
no_japanese "the long-rest dialog"
e2e_shot long-rest
press "$LONGREST" 7

drv post class=MAIN 0x111 40012 0 >/dev/null
drv wait "$DLG" 10000 >/dev/null && sleep 0.5
totals=$(drv text "$DLG;id=1003")  # the balloon's tick may have added a minute of work
check "today's totals: '$totals'" grep -qxE 'Work 1 h 0[01] min, break 0 h 10 min' <<<"$totals"
press "$DLG" 1004 && sleep 1  # Week
eq "the week's caption" "$(drv text "$DLG" | cut -c1-12)" "The week to "
no_japanese "the week"
e2e_shot 40012-week
press "$DLG" 1
drv wait-gone "$DLG" 5000 >/dev/null
painted_dialogs_then_exit no_japanese "40012 Today's activity" "40013 Overall evaluation" "40014 About RestWarden"

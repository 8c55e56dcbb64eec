#!/usr/bin/env bash
# 作業状況 looking back: today as always, yesterday on 前日 and on ←, a day without a record, the first day
# on PageUp, the week of seven labelled strips, Home back to today; captions, totals, buttons and columns.
source "$(dirname "$0")/../lib.sh"
e2e_begin history
DLG="class=#32770;visible"

# Day k ago worked (6+k):00-(6+k):59, so each strip's column stands elsewhere; none three days ago.
make_day "$DATA/stateTmp.dat" 0 480-539:1
make_day "$DATA/state.dat" 7 780-839:1
for ago in 6 5 4 2; do make_day "$DATA/state.dat" $ago $(((6 + ago) * 60))-$(((6 + ago) * 60 + 59)):1; done
make_day "$DATA/state.dat" 1 420-479:1 480-489:3 490-499:2
label() { python3 -c 'import datetime as d, sys; t = d.date.today() - d.timedelta(int(sys.argv[1]))
print(t.strftime("%Y/%m/%d") + "(" + "月火水木金土日"[t.weekday()] + ")")' "$1"; }
# what, caption, totals, 前日 and 翌日 enabled
shows() { eq "$1" "$(drv text "$DLG")|$(drv text "$DLG;id=1003")|$(drv enabled "$DLG;id=1001")$(drv enabled "$DLG;id=1002")" "$2"; }
key() { drv post "$DLG" 0x100 "$1" 0 >/dev/null; sleep 0.3; }  # WM_KEYDOWN
col() { drv pixel "$DLG" $((10 + $1 / 3)) $((60 + ${2:-0} * 56)); }  # the column of minute $1 in strip $2
e2e_app_start

drv post class=MAIN 0x111 40012 0 >/dev/null
check "作業状況 opens" drv wait "$DLG" 10000 >/dev/null
sleep 0.4
BG=$(drv pixel "$DLG" 300 100)
shows "today" "現在までの作業状況|作業 1時間00分　休憩 0時間00分|10"
eq "today's column at 08:30" "$(col 510)" FF2244

press "$DLG" 1001
sleep 0.3
shows "前日" "$(label 1)の作業状況|作業 1時間10分　休憩 0時間10分|11"
eq "yesterday's columns 07:30, 08:03, 08:12, 08:30" "$(col 450) $(col 483) $(col 492) $(col 510)" "FF2244 2255FF BB1111 $BG"
e2e_shot day
key 0x25  # ←
shows "←" "$(label 2)の作業状況|作業 1時間00分　休憩 0時間00分|11"
key 0x25
shows "a day without a record" "$(label 3)の作業状況|記録なし|11"
eq "... paints the empty strip" "$(col 570) $(col 555)" "$BG $BG"
key 0x21  # PageUp: stops on the first day
shows "PageUp" "$(label 7)の作業状況|作業 1時間00分　休憩 0時間00分|01"
key 0x24  # Home
shows "Home" "現在までの作業状況|作業 1時間00分　休憩 0時間00分|10"

press "$DLG" 1004
sleep 0.5
shows "週" "$(label 0)までの1週間|作業 6時間10分　休憩 0時間10分|10"
for ago in 6 5 4 3 2 1 0; do
    minute=$(((6 + ago) * 60 + 30)) want=FF2244
    [ $ago = 3 ] && want=$BG
    [ $ago = 0 ] && minute=510
    eq "week strip of $ago days ago" "$(col $minute $((6 - ago)))" $want
done
eq "today's column only in the last strip" "$(col 510 5)" "$BG"
e2e_shot week
press "$DLG" 1004
sleep 0.3
shows "週 again" "現在までの作業状況|作業 1時間00分　休憩 0時間00分|10"
press "$DLG" 1
check "OK ends it" drv wait-gone "$DLG" 5000
e2e_app_exit

#!/usr/bin/env bash
# On a Windows whose code page is not Japanese (a prefix made in an English locale: code page 1252) every text
# of the Japanese face (language=ja) reads back exactly: the tip, the settings sheet's caption, tabs and labels,
# the error box, the long-rest dialog, the work-end balloon and the painted dialogs' titles. The painted dialogs and the menu are kept as screenshots.
export E2E_LANG=${E2E_LANG:-en}  # E2E_LANG=ja runs the same on the Japanese prefix
source "$(dirname "$0")/../lib.sh"
e2e_begin english_locale
TIME="$SHEET;child=時間・ログ出力"
LONGREST="class=#32770;title=お昼休みなど、長めの休憩^^"
joined() { "$@" | paste -sd '|'; }

acp=$("$WINE64" reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP | awk '/ACP/{print $3 + 0}')
eq "the prefix's code page" "$acp" "$([ "$E2E_LANG" = en ] && echo 1252 || echo 932)"
make_param "$DATA/param.dat" 1 5 0  # no moving notice over the screenshots
printf '[options]\r\nlanguage=ja\r\n' >"$DATA/restwarden.ini"  # the Japanese face on any Windows
make_day "$DATA/stateTmp.dat" 0 480-539:1 540-549:3 720-749:5
for ago in 3 2 1; do make_day "$DATA/state.dat" $ago 480-539:1 540-549:3; done
e2e_app_start
eq "the tip" "$(tip)" "作業中です。あと1分 [0 / 1分]"

open_page 0 "$TIME"
eq "the sheet's caption" "$(drv text "$SHEET")" "各種設定"
eq "its tabs" "$(joined drv tabs "$SHEET")" "時間・ログ出力|透過ウィンドウ|音|その他"
labels=$(joined drv texts "$TIME")
eq "the time page's labels" "${labels/終了予定時刻 ??:??/終了予定時刻 HH:MM}" \
    "作業時間：|分 - 終了予定時刻 HH:MM|休憩時間：|分|ログ出力あり|1|5"
e2e_shot time-page
drv set-text "$TIME;id=1" 301 >/dev/null
press "$SHEET" 1
check "301 minutes of work: an error box" drv wait "$ERROR" 5000
eq "its text" "$(drv text "$ERROR;id=65535")" "作業時間は0以上、300以下です"
e2e_shot work-error
press "$ERROR" 1
drv wait-gone "$SHEET" 5000 >/dev/null

drv post class=MAIN 0x111 40002 0 >/dev/null   # 休憩
drv post class=MAIN 0x8064 0 0x201 >/dev/null  # a left click on the tray icon
check "the long-rest dialog" drv wait "$LONGREST" 5000
eq "its texts" "$(joined drv texts "$LONGREST")" "この休憩時間だけ|分に|60|OK|キャンセル"
e2e_shot long-rest
drv set-text "$LONGREST;id=5" 45 >/dev/null
press "$LONGREST" 1
drv wait-gone "$LONGREST" 5000 >/dev/null
eq "the tip after 45 minutes were typed" "$(tip)" "休憩中です。あと45分 [0 / 45分]"
e2e_app_exit

make_param "$DATA/param.dat" 1 5 0  # the refused 301 left the work at 60 minutes
e2e_app_start
xdotool mousemove 300 300
drv wait-gone "$TIP" 5000 >/dev/null  # the tip, so that the next one shown is the balloon
tick  # the work ends; the balloon about 2 s later
drv wait "$TIP" 6000 >/dev/null && sleep 0.5
eq "the work-end balloon" "$(drv text "$TIP")" "休憩に入るには、ここをクリックしてください。"
e2e_shot work-end-balloon  # its title "作業終了時間になりました" is checked by eye


painted_dialogs_then_exit : "40012 現在までの作業状況" "40013 通算作業評価" "40014 バージョン情報"

[ "$E2E_LANG" = en ] || exit 0  # a data folder named 表 keeps the program's files where 表 is not code page 932
DATA="$DATA/表"
mkdir "$DATA"
e2e_app_start
e2e_app_exit
eq "files in 表" "$(cd "$DATA" && ls param.dat restwarden.ini stateTmp.dat 2>&1 | tr '\n' ' ')" "param.dat restwarden.ini stateTmp.dat "

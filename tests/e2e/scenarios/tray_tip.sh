#!/usr/bin/env bash
# The tip counts the minutes even though a tick that keeps the picture hands the shell no
# new tip until the pointer comes to the icon.
source "$(dirname "$0")/../lib.sh"
e2e_begin tray_tip

make_param "$DATA/param.dat" 60 5 0
e2e_app_start
xdotool mousemove 300 300
for i in 1 2; do drv post class=MAIN 0x113 1 0 >/dev/null; done   # two minutes, same picture
sleep 0.5
xdotool mousemove 1014 758
drv wait "class=tooltips_class32;visible" 5000 >/dev/null
sleep 0.5
eq "tip after two minutes" "$(drv text "class=tooltips_class32;visible")" "作業中です。あと58分 [2 / 60分]"
e2e_shot tip
e2e_app_exit

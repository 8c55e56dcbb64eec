#!/usr/bin/env bash
# The tray: the clock face and tip, the work-end balloon and the dark red face, the balloon
# click that starts the rest, the popup menu with the right items greyed, and "停止".
source "$(dirname "$0")/../lib.sh"
e2e_begin tray

# Opens the popup menu and reads it from a screenshot: "e" (black text), "g" (greyed) and "|"
# (separator) per row; then the vertical centre of each item on screen.
menu() {
    xdotool mousemove 1014 758 click 3
    drv wait "class=#32768;visible" 5000 >/dev/null
    local r=($(drv rect "class=#32768;visible"))
    xdotool mousemove $((r[0] + 1)) $((r[1] + 1))  # onto the border: no item highlighted
    sleep 0.5
    e2e_shot "menu-$1"
    /usr/bin/python3 - "$SHOTS/menu-$1.png" "${r[@]}" <<'PY'
import sys
from collections import Counter
from PIL import Image
x, y, w, h = map(int, sys.argv[2:6])
im = Image.open(sys.argv[1]).convert("RGB").crop((x + 3, y + 3, x + w - 3, y + h - 3))
bg = Counter(im.getdata()).most_common(1)[0][0]
rows = [[p for p in im.crop((0, j, im.width, j + 1)).getdata() if p != bg] for j in range(im.height)] + [[]]
layout, centres, start = "", [], None
for j, ink in enumerate(rows):
    if ink and start is None:
        start = j
    elif not ink and start is not None:
        band, start = rows[start:j], None
        if len(band) <= 3 and max(map(len, band)) > 0.8 * im.width:
            layout += "|"
            continue
        layout += "e" if min(sum(p) for row in band for p in row) < 150 else "g"
        centres.append(str(y + 3 + j - (len(band) + 1) // 2))
print(layout, *centres)
PY
}

# One minute of work, five of rest, no moving notice (Xvfb would show it opaque over the icon).
make_param "$DATA/param.dat" 1 5 0
e2e_app_start
check "after start the face shows one red twelfth" wait_face red1
eq "tip while working" "$(tip)" "作業中です。あと1分 [0 / 1分]"
layout=($(menu working))
eq "menu while working (e enabled, g greyed, | separator)" "${layout[0]}" "geee|eeee|e"
xdotool key Escape  # keys reach a Wine menu under the pointer
check "the menu closes on Escape" drv wait-gone "class=#32768;visible" 3000

# One tick ends the work: the dark red disc and the balloon (Wine shows it about 2 s later).
xdotool mousemove 300 300
tick
check "the work end shows the dark red disc" wait_face darkred
check "the work-end balloon appears" drv wait "class=tooltips_class32;visible" 6000
sleep 0.5
eq "balloon text" "$(drv text "class=tooltips_class32;visible")" "休憩に入るには、ここをクリックしてください。"
e2e_shot work-end-balloon   # the title "作業終了時間になりました" is checked by eye here
xdotool mousedown 1  # Wine sends no balloon click: it is posted while the button is down
drv post class=MAIN 0x8064 0 0x405 >/dev/null
sleep 0.3
xdotool mouseup 1
check "the balloon click starts the rest: full blue face" wait_face blue1

layout=($(menu resting))
eq "menu while resting" "${layout[0]}" "egee|eeee|e"
# 停止 is the third item; a click on a Wine menu is sometimes lost, so it is tried twice.
for _ in 1 2; do
    drv wait "class=#32768;visible" 100 >/dev/null || menu retry >/dev/null
    r=($(drv rect "class=#32768;visible"))
    xdotool mousemove $((r[0] + 30)) "${layout[3]:-0}" click 1
    wait_face gray && break
done
check "停止 from the menu shows the grey disc" wait_face gray
eq "tip when stopped" "$(tip)" "停止中です"
e2e_shot stopped
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0

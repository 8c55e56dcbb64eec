#!/usr/bin/env bash
# The tray: the clock face, the work-end balloon and dark red disc, the balloon click that starts
# the rest, the popup menu with the right items greyed (choosing 停止 is out_of_the_way.sh's).
source "$(dirname "$0")/../lib.sh"
e2e_begin tray
MENU="class=#32768;visible"

# Opens the popup menu; prints its rows in the screenshot: e text, g greyed, | separator.
menu() {
    xdotool mousemove 1014 758 click 3
    drv wait "$MENU" 5000 >/dev/null
    local r=($(drv rect "$MENU"))
    xdotool mousemove $((r[0] + 1)) $((r[1] + 1))  # onto the border: no item highlighted
    sleep 0.5
    e2e_shot "menu-$1"
    /usr/bin/python3 - "$SHOTS/menu-$1.png" "${r[@]}" <<'PY'
import sys
from collections import Counter
from itertools import groupby
from PIL import Image
x, y, w, h = map(int, sys.argv[2:6])
im = Image.open(sys.argv[1]).convert("L").crop((x + 3, y + 3, x + w - 3, y + h - 3))
bg = Counter(im.getdata()).most_common(1)[0][0]
ink = [[p for p in im.crop((0, j, im.width, j + 1)).getdata() if p != bg] for j in range(im.height)]
bands = [list(rows) for inked, rows in groupby(range(im.height), lambda j: bool(ink[j])) if inked]
rule = lambda b: len(b) <= 3 and len(ink[b[0]]) > 0.8 * im.width
print("".join("|" if rule(b) else "eg"[min(min(ink[j]) for j in b) >= 50] for b in bands))
PY
}

make_param "$DATA/param.dat" 1 5 0  # no moving notice: Xvfb would show it opaque over the icon
e2e_app_start
check "after start the face shows one red twelfth" wait_face 'rw?'
xdotool mousemove 300 300
tick  # the work ends: the dark red disc, and the balloon about 2 s later
check "the work end shows the dark red disc" wait_face 'd?d'
drv wait "$TIP" 6000 >/dev/null && sleep 0.5
e2e_shot work-end-balloon  # its text is read in away.sh and english_locale.sh; its title is checked by eye
xdotool mousedown 1  # Wine sends no balloon click: it is posted while the button is down
drv post class=MAIN 0x8064 0 0x405 >/dev/null
sleep 0.3
xdotool mouseup 1
check "the balloon click starts the rest: full blue face" wait_face bbb

eq "menu while resting (e enabled, g greyed, | separator)" "$(menu resting)" "egee|eeee|e"
xdotool key Escape
check "Escape closes the menu" drv wait-gone "$MENU" 5000
e2e_app_exit

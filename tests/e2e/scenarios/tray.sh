#!/usr/bin/env bash
# The tray: the clock face and tip, the work-end balloon and the dark red face, the balloon
# click that starts the rest, the popup menu with the right item greyed, and "停止".
source "$(dirname "$0")/../lib.sh"
e2e_begin tray

# The icon's picture by three of its pixels (the 16 x 16 picture's top left is at 1006,750):
# the top right wedge, one lower left of the centre, and the centre.
face() {
    local w l c
    w=$(drv pixel 1015 753) l=$(drv pixel 1011 761) c=$(drv pixel 1014 758)
    python3 - "$w" "$l" "$c" <<'PY'
import sys
near = lambda a, b: all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= 24 for i in (0, 2, 4))
w, l, c = sys.argv[1:]
faces = {"red1": (w, "E4241C", l, "DADADA"), "darkred": (w, "A81616", c, "A81616"),
         "blue1": (w, "2276E2", l, "2276E2", c, "2276E2"), "gray": (w, "969696", l, "969696", c, "969696")}
print(next((n for n, p in faces.items() if all(near(p[i], p[i + 1]) for i in range(0, len(p), 2))), f"unknown({w} {l} {c})"))
PY
}
wait_face() { for _ in $(seq 1 30); do [ "$(face)" = "$1" ] && return 0; sleep 0.1; done; return 1; }
tip() { xdotool mousemove 1014 758; drv wait "class=tooltips_class32;visible" 5000 >/dev/null; sleep 0.5; drv text "class=tooltips_class32;visible"; }

# The open popup menu read from a screenshot: "e" (black text), "g" (greyed) and "|"
# (separator) per row; then the vertical centre of each item on screen.
menu() {
    xdotool mousemove 1014 758 click 3
    drv wait "class=#32768" 5000 >/dev/null
    local r=($(drv rect "class=#32768"))
    xdotool mousemove $((r[0] + 1)) $((r[1] + 1))  # onto the border: no item highlighted
    sleep 0.5
    e2e_shot "menu-$1"
    /usr/bin/python3 - "$SHOTS/menu-$1.png" "${r[@]}" <<'PY'
import sys
from collections import Counter
from PIL import Image
x, y, w, h = map(int, sys.argv[2:6])
im = Image.open(sys.argv[1]).convert("RGB").crop((x + 3, y + 3, x + w - 3, y + h - 3))
W, H = im.size
px = im.load()
bg = Counter(px[i, j] for i in range(W) for j in range(H)).most_common(1)[0][0]
ink = [[px[i, j] != bg for i in range(W)] for j in range(H)]
bands, start = [], None
for j in range(H + 1):
    on = j < H and any(ink[j])
    if on and start is None: start = j
    elif not on and start is not None: bands.append((start, j)); start = None
layout, centres = "", []
for a, b in bands:
    if b - a <= 3 and max(sum(ink[j]) for j in range(a, b)) > 0.8 * W: layout += "|"; continue
    layout += "e" if min(sum(px[i, j]) for i in range(W) for j in range(a, b) if ink[j][i]) < 150 else "g"
    centres.append(str(y + 3 + (a + b) // 2))
print(layout, *centres)
PY
}
menu_click() {  # menu_click Y: a click on a Wine menu is sometimes lost; it is tried twice
    local r
    for _ in 1 2; do
        drv wait "class=#32768" 100 >/dev/null || menu retry >/dev/null
        r=($(drv rect "class=#32768"))
        xdotool mousemove $((r[0] + 30)) "$1" click 1
        wait_face "$2" && return 0
    done
    return 1
}

# One minute of work, five of rest, no moving notice (Xvfb would show it opaque over the icon).
make_param "$DATA/param.dat" 1 5 0
e2e_app_start
check "after start the face shows one red twelfth" wait_face red1
eq "tip while working" "$(tip)" "作業中です。あと1分 [0 / 1分]"
e2e_shot started
layout=($(menu working))
eq "menu while working (e enabled, g greyed, | separator)" "${layout[0]}" "geee|eeee|e"
r=($(drv rect "class=#32768"))
xdotool mousemove $((r[0] + r[2] / 2)) $((r[1] + 4)) key Escape  # keys reach a Wine menu under the pointer
check "the menu closes on Escape" drv wait-gone "class=#32768" 3000

# One tick ends the work: the dark red disc and the balloon (Wine shows it about 2 s later).
xdotool mousemove 300 300
drv post class=MAIN 0x113 1 0 >/dev/null
check "the work end shows the dark red disc" wait_face darkred
check "the work-end balloon appears" drv wait "class=tooltips_class32;visible" 6000
sleep 0.5
eq "balloon text" "$(drv text "class=tooltips_class32;visible")" "休憩に入るには、ここをクリックしてください。"
e2e_shot work-end-balloon   # the title "作業終了時間になりました" is checked by eye here
xdotool mousemove 300 300 mousedown 1
drv post class=MAIN 0x8064 0 0x405 >/dev/null
sleep 0.3
xdotool mouseup 1
check "the balloon click starts the rest: full blue face" wait_face blue1
e2e_shot resting

layout=($(menu resting))
eq "menu while resting" "${layout[0]}" "egee|eeee|e"
check "停止 from the menu shows the grey disc" menu_click "${layout[3]:-0}" gray
sleep 1
eq "tip when stopped" "$(tip)" "停止中です"
e2e_shot stopped
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0

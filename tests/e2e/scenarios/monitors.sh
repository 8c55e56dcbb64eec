#!/usr/bin/env bash
# Two monitors (Xinerama heads of 1024 x 768 and 800 x 600, both at the origin under Xvfb): one reminder
# run moves a notice window over each, sized to it; both end parked.
export E2E_SCREENS="+xinerama -screen 0 1024x768x24 -screen 1 800x600x24" E2E_NO_DESKTOP=1
source "$(dirname "$0")/../lib.sh"
e2e_begin monitors
PARKED="0 0 5 5 0;0 0 5 5 0;"
windows() { drv rect class=ALPHA | sort | tr '\n' ';'; }
second_y() { drv rect class=ALPHA | awk '$3 == 796 { print $2 }'; }

make_param "$DATA/param.dat" 30 5 3 0 2 0 0x0000FF00 0  # top to bottom, large, slow: minute 5 brings one run
e2e_app_start
tick 5
sleep 2
# A large bar: a tenth of its monitor high, 4 px narrower than it.
eq "one bar per monitor" "$(drv rect class=ALPHA | awk '{ print $3 "x" $4, $5 }' | sort | tr '\n' ';')" "1020x76 128;796x60 128;"
e2e_shot two-bars
y1=$(second_y) && sleep 1 && y2=$(second_y)
check "the second monitor's bar moves ($y1 -> $y2)" test "${y2:-0}" -gt "${y1:-0}"
for i in $(seq 1 40); do [ "$(windows)" = "$PARKED" ] && break; sleep 1; done
eq "both parked after the run (~19 s)" "$(windows)" "$PARKED"
e2e_app_exit

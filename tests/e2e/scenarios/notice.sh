#!/usr/bin/env bash
# The notice: a reminder sweeps a translucent bar down the screen twice, a hole kept clear around
# the pointer in both runs, and ends parked; leaving mid-run still saves.
source "$(dirname "$0")/../lib.sh"
e2e_begin notice
GREEN=00FF00

# LABEL X Y PREVIOUS: once the bar covers X,Y, the desktop shows around it; the bar 45 px right and at PREVIOUS.
check_hole() {
    check "$1: the bar reaches the pointer" drv wait "class=ALPHA;covers=$2,$3,16" 40000 >/dev/null
    eq "$1: pointer, 20 px left, 20 px right and 10 below clear; bar right and at the old place" \
        "$(drv pixel "$2" "$3" $(($2 - 20)) "$3" $(($2 + 20)) $(($3 + 10)) $(($2 + 45)) "$3" "$4" "$3")" \
        "$desk $desk $desk $GREEN $GREEN"
    e2e_shot "$1"
}

# Top to bottom, large, slow, green; 15 minutes of work: the reminder at minute 5 asks for two runs.
make_param "$DATA/param.dat" 15 5 3 0 2 0 0x0000FF00 0
e2e_app_start
desk=$(drv pixel 500 300)
xdotool mousemove 500 300
drv follow class=ALPHA 60000 >"$SHOTS/series.txt" &
follower=$!
tick 5
check_hole run1-hole 500 300 700
xdotool mousemove 700 300  # the second run is the worker thread's: its hole follows the pointer too
drv wait "class=ALPHA;covers=500,760,0" 30000 >/dev/null  # the first run nears its end
check_hole run2-hole 700 300 500
wait "$follower"; eq "the series followed to its end" $? 0
# Two runs of 1020 x 76 bars at opacity 128, from y 0 down to the bottom edge, cut there so that nothing of the
# bar lies past it; the last frame is 0 px high at y 768.
python3 - "$SHOTS/series.txt" <<'PY' || E2E_FAILED=1
import sys
moving = [l for l in (list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()) if l[1:] != [0, 0, 5, 5, 0]]
starts = [i for i, l in enumerate(moving) if i == 0 or l[2] < moving[i - 1][2]]  # back at the top: the next run
runs = [moving[a:b] for a, b in zip(starts, starts[1:] + [len(moving)])]
assert len(runs) == 2, [r[0] for r in runs]
for run in runs:
    assert all(l[1] == 2 and l[3:5] == [1020, min(76, 768 - l[2])] for l in run), run[-3:]
    assert all(l[5] == 128 for l in run[1:-1]) and run[0][2] == 0 and run[-1][2] in (766, 768), [l[2] for l in run]
PY
eq "parked and transparent, no third run" "$(drv rect class=ALPHA) $(drv follow class=ALPHA 2000 | wc -l)" "0 0 5 5 0 1"
rm "$DATA/param.dat"  # leaving mid-run: nothing waits for the worker; the settings are written
tick 5
check "minute 10 brings the next reminder" drv wait "class=ALPHA;covers=500,300,0" 20000
e2e_app_exit
eq "param.dat written when leaving mid-run" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284

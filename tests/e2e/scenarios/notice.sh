#!/usr/bin/env bash
# The notice: a reminder sweeps a translucent bar down the screen twice, a hole kept clear around
# the pointer in both runs, and ends parked; leaving mid-run still saves.
source "$(dirname "$0")/../lib.sh"
e2e_begin notice
GREEN=00FF00

# LABEL X Y PREVIOUS: once the bar covers the pointer at X,Y, the desktop shows at and around it,
# the bar 45 px right of it and where the pointer was in the run before.
check_hole() {
    check "$1: the bar reaches the pointer" drv wait-cover class=ALPHA "$2" "$3" 16 40000 >/dev/null
    eq "$1: pointer, 20 px left, 20 px right and 10 below clear; bar right and at the old place" \
        "$(drv pixel "$2" "$3" $(($2 - 20)) "$3" $(($2 + 20)) $(($3 + 10)) $(($2 + 45)) "$3" "$4" "$3")" \
        "$desk $desk $desk $GREEN $GREEN"
    e2e_shot "$1"
}

# Top to bottom, large, slow, green; 15 minutes of work: the reminder at minute 5 asks for two runs.
make_param "$DATA/param.dat" 15 5 3 0 2 0 0x0000FF00 0
e2e_app_start
desk=$(drv pixel 500 300)
check "the desktop is not the bar's colour" test "$desk" != $GREEN
xdotool mousemove 500 300
drv follow class=ALPHA 60000 >"$SHOTS/series.txt" &
follower=$!
tick 5
check_hole run1-hole 500 300 700
xdotool mousemove 700 300  # the second run is the worker thread's: its hole follows the pointer too
drv wait-cover class=ALPHA 500 760 0 30000 >/dev/null  # the first run nears its end
check_hole run2-hole 700 300 500
wait "$follower"; eq "the series followed to its end" $? 0
# Two runs of 1020 x 76 bars at opacity 128, from y 0 down to 770 (rarely sampled: it is parked at once).
python3 - "$SHOTS/series.txt" <<'PY' || E2E_FAILED=1
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
runs = [[]]
for l in lines:  # a run ends parked, or the next one starts before the parked window is seen
    if l[1:] == [0, 0, 5, 5, 0] or (runs[-1] and l[2] < runs[-1][-1][2]): runs.append([])
    if l[1:] != [0, 0, 5, 5, 0]: runs[-1].append(l)
runs = [r for r in runs if r]
assert lines[-1][1:] == [0, 0, 5, 5, 0] and len(runs) == 2, (lines[-1], len(runs))
for run in runs:
    assert all(l[1] == 2 and l[3:5] == [1020, 76] for l in run) and all(l[5] == 128 for l in run[1:-1]), run[:3]
    assert run[0][2] == 0 and run[-1][2] in (768, 770), [l[2] for l in run]
PY
eq "parked and transparent, no third run" "$(drv rect class=ALPHA) $(drv follow class=ALPHA 2000 | wc -l)" "0 0 5 5 0 1"
rm "$DATA/param.dat"  # leaving mid-run: nothing waits for the worker; the settings are written
tick 5
check "minute 10 brings the next reminder" drv wait-cover class=ALPHA 500 300 0 20000
e2e_app_exit
eq "exit code and param.dat when leaving mid-run" "${E2E_APP_STATUS:-} $(stat -c %s "$DATA/param.dat" 2>/dev/null)" "0 284"

#!/usr/bin/env bash
# The notice: a reminder sweeps a translucent bar down the screen, twice, with a hole kept
# clear around the pointer in both runs; the window ends parked. The fade rises and falls.
source "$(dirname "$0")/../lib.sh"
e2e_begin notice
GREEN=00FF00

# Once the bar covers the pointer at X,Y: the desktop shows at and around the pointer, the
# bar 45 px right of it and where the pointer was in the run before (PREVIOUS).
check_hole() {
    local label=$1 x=$2 y=$3 previous=$4
    check "$label: the bar reaches the pointer" drv wait-cover class=ALPHA "$x" "$y" 16 40000 >/dev/null
    eq "$label: pointer, 20 px left, 20 px right and 10 below clear; bar right and at the old place" \
        "$(drv pixel "$x" "$y" $((x - 20)) "$y" $((x + 20)) $((y + 10)) $((x + 45)) "$y" "$previous" "$y")" \
        "$desk $desk $desk $GREEN $GREEN"
    e2e_shot "$label"
}

# `drv follow` output (FILE) as runs: N top-to-bottom bars, 1020 x 76 at opacity 128, in 2 px steps.
check_bar_runs() {
    python3 - "$@" <<'PY'
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
parked = lambda l: l[1:] == [0, 0, 5, 5, 0]
assert parked(lines[-1]), f"the series did not end parked: {lines[-1]}"
runs = [[]]
for l in lines:  # a run ends parked, or the next one starts before the parked window is seen
    if parked(l) or (runs[-1] and l[2] < runs[-1][-1][2]): runs.append([])
    if not parked(l): runs[-1].append(l)
runs = [r for r in runs if r]
assert len(runs) == int(sys.argv[2]), f"{len(runs)} runs seen, expected {sys.argv[2]}"
for n, run in enumerate(runs, 1):
    assert all(l[1] == 2 and l[3:5] == [1020, 76] for l in run), f"run {n}: bar geometry {run[:3]}"
    assert all(l[5] == 128 for l in run[1:-1]), f"run {n}: opacity {sorted(set(l[5] for l in run))}"
    ys = [l[2] for l in run]
    # Down in 2 px steps; the step to 770 is parked within microseconds and is rarely sampled.
    assert ys[0] == 0 and ys[-1] in (768, 770), f"run {n}: y from {ys[0]} to {ys[-1]}, expected 0 to 770"
    assert sum(b - a == 2 for a, b in zip(ys, ys[1:])) >= 0.9 * len(set(ys)), f"run {n}: y {ys}"
PY
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
# The second run is started by the worker thread: its hole follows the pointer too.
xdotool mousemove 700 300
drv wait-cover class=ALPHA 500 760 0 30000 >/dev/null  # the first run nears its end
check_hole run2-hole 700 300 500
wait "$follower"; eq "the series followed to its end" $? 0
check_bar_runs "$SHOTS/series.txt" 2 || E2E_FAILED=1
eq "parked and transparent, no third run after the series" \
    "$(drv rect class=ALPHA) $(drv follow class=ALPHA 2000 | wc -l)" "0 0 5 5 0 1"
e2e_app_exit

# The fade, large and fast: a centred 512 x 384 rectangle, opacity up by 6 to 156 and down to 0.
make_param "$DATA/param.dat" 60 5 1 0 0 0 0x0000FF00 0
e2e_app_start
drv follow class=ALPHA 20000 >"$SHOTS/fade.txt" &
follower=$!
tick 5
sleep 1.3
e2e_shot fade-mid
wait "$follower"; eq "fade followed to its end" $? 0
python3 - "$SHOTS/fade.txt" <<'PY' || E2E_FAILED=1
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
alphas = [l[5] for l in lines if l[1:5] == [256, 192, 512, 384]]
top = alphas.index(max(alphas))
assert lines[-1][1:] == [0, 0, 5, 5, 0] and max(alphas) == 156 and len(alphas) >= 45, (lines[-1], alphas)
assert all(b > a for a, b in zip(alphas[:top], alphas[1:top + 1])), alphas[:top + 1]
assert all(b < a for a, b in zip(alphas[top:], alphas[top + 1:])) and alphas[-1] == 0, alphas[top:]
PY

# Leaving mid-run: nothing waits for the worker; the settings are still written.
rm -f "$DATA/param.dat"
tick 5
drv wait-cover class=ALPHA 512 384 10 5000 >/dev/null
e2e_app_exit
eq "exit code and param.dat when leaving mid-run" "${E2E_APP_STATUS:-} $(stat -c %s "$DATA/param.dat" 2>/dev/null)" "0 284"

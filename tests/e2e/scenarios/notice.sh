#!/usr/bin/env bash
# The notice: a reminder sweeps a translucent bar down the screen, twice, with a hole kept
# clear around the pointer in both runs; the window ends parked. The fade rises and falls.
source "$(dirname "$0")/../lib.sh"
e2e_begin notice

GREEN=00FF00

# While the bar covers the pointer at X,Y: the shape and a screenshot; PREVIOUS is where the
# pointer was in the run before.
check_hole() {
    local label=$1 x=$2 y=$3 previous=$4 shape
    drv wait-cover class=ALPHA "$x" "$y" 16 40000 >/dev/null ||
        { log "FAIL: $label: the bar never covered $x,$y"; E2E_FAILED=1; return; }
    shape=$(drv in-shape class=ALPHA "$x" "$y" $((x - 25)) "$y" $((x + 40)) "$y" "$previous" "$y")
    e2e_shot "$label"
    eq "$label: pointer and 25 px left of it cut out, 40 px right and the old place kept" "$shape" "0 0 1 1"
    python3 - "$SHOTS/$label.png" "$x" "$y" "$previous" "$desk" "$label" <<'PY' || E2E_FAILED=1
import subprocess, sys
shot, x, y, previous, desk, label = sys.argv[1], *map(int, sys.argv[2:5]), sys.argv[5], sys.argv[6]
ppm = subprocess.run(["convert", shot, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
magic, width, height, maxval, pixels = ppm.split(maxsplit=4)
width = int(width)
hexof = lambda p: pixels[3 * (p[1] * width + p[0]):3 * (p[1] * width + p[0]) + 3].hex().upper()
green = "00FF00"
rows = [r for r in range(768) if hexof((x + 45, r)) == green]
assert rows and rows[0] < y < rows[-1], f"{label}: the bar does not cover the pointer in the shot: {rows[:1]}..{rows[-1:]}"
expect = {(x, y): desk, (x - 20, y): desk, (x + 20, y + 10): desk, (x + 45, y): green, (previous, y): green}
wrong = {p: hexof(p) for p, want in expect.items() if hexof(p) != want}
assert not wrong, f"{label}: pixels {wrong}, expected {expect}"
PY
}

# `drv follow` output cut into runs, each a large top-to-bottom bar in 2 px steps.
check_bar_runs() {
    python3 - "$1" "$2" <<'PY'
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
expected_runs = int(sys.argv[2])
parked = lambda l: l[1:] == [0, 0, 5, 5, 0]
assert parked(lines[-1]), f"the series did not end parked: {lines[-1]}"
runs, current = [], []
for l in lines:
    # A run ends parked; the next one may start before the sampler sees the parked window.
    if parked(l) or (current and l[2] < current[-1][2]):
        if current: runs.append(current)
        current = [] if parked(l) else [l]
    else:
        current.append(l)
assert len(runs) == expected_runs, f"{len(runs)} runs seen, expected {expected_runs}"
for n, run in enumerate(runs, 1):
    assert all(l[1] == 2 and l[3] == 1020 and l[4] == 76 for l in run), f"run {n}: bar geometry {run[:3]}"
    assert all(l[5] == 128 for l in run[1:-1]), f"run {n}: opacity {sorted(set(l[5] for l in run))}"
    ys = [l[2] for l in run]
    steps = [b - a for a, b in zip(ys, ys[1:]) if b != a]
    # The step to 770 is parked within microseconds and is rarely sampled.
    assert ys[0] == 0 and ys[-1] in (768, 770), f"run {n}: y from {ys[0]} to {ys[-1]}, expected 0 to 770"
    assert all(s % 2 == 0 for s in steps), f"run {n}: steps {sorted(set(steps))}"
    assert steps.count(2) >= 0.9 * len(steps), f"run {n}: only {len(steps)} steps seen"
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
for i in 1 2 3 4 5; do drv post class=MAIN 0x113 1 0 >/dev/null; done
sleep 1
eq "opacity while the bar runs" "$(drv opacity class=ALPHA)" 128
check_hole run1-hole 500 300 700
# The second run is started by the worker thread: its hole follows the pointer too.
xdotool mousemove 700 300
drv wait-cover class=ALPHA 500 760 0 30000 >/dev/null  # the first run nears its end
check_hole run2-hole 700 300 500
wait "$follower"; eq "the series followed to its end" $? 0
check_bar_runs "$SHOTS/series.txt" 2 || E2E_FAILED=1

eq "parked, transparent, whole and no third run after the series" \
    "$(drv rect class=ALPHA) $(drv opacity class=ALPHA) $(drv in-shape class=ALPHA 0 0 4 4) $(drv follow class=ALPHA 2000 | wc -l)" "0 0 5 5 0 1 1 1"
e2e_shot after-series
e2e_app_exit

# The fade, large and fast: a centred 512 x 384 rectangle, opacity up by 6 to 156 and down to 0.
make_param "$DATA/param.dat" 60 5 1 0 0 0 0x0000FF00 0
e2e_app_start
drv follow class=ALPHA 20000 >"$SHOTS/fade.txt" &
follower=$!
for i in 1 2 3 4 5; do drv post class=MAIN 0x113 1 0 >/dev/null; done
sleep 1.3
e2e_shot fade-mid
wait "$follower"; eq "fade followed to its end" $? 0
python3 - "$SHOTS/fade.txt" <<'PY' || E2E_FAILED=1
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
assert lines[-1][1:] == [0, 0, 5, 5, 0], lines[-1]
shown = [l for l in lines if l[1:5] == [256, 192, 512, 384]]
alphas = [l[5] for l in shown]
top = alphas.index(max(alphas))
assert max(alphas) == 156, max(alphas)
assert all(b > a for a, b in zip(alphas[:top], alphas[1:top + 1])), alphas[:top + 1]
assert all(b < a for a, b in zip(alphas[top:], alphas[top + 1:])), alphas[top:]
assert alphas[-1] == 0 and len(alphas) >= 45, (alphas[-1], len(alphas))
PY
eq "parked after the fade" "$(drv rect class=ALPHA)" "0 0 5 5"

# Leaving mid-run: nothing waits for the worker; the settings are still written.
rm -f "$DATA/param.dat"
for i in 1 2 3 4 5; do drv post class=MAIN 0x113 1 0 >/dev/null; done
drv wait-cover class=ALPHA 512 384 10 5000 >/dev/null
e2e_app_exit
eq "exit code and param.dat when leaving mid-run" "${E2E_APP_STATUS:-} $(stat -c %s "$DATA/param.dat" 2>/dev/null)" "0 284"

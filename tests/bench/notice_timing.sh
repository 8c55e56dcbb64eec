#!/usr/bin/env bash
# Benchmark, not a test: how long one notice run really lasts under Wine against its
# nominal length, for each motion and speed (medium size, 1024 x 768 screen).
#
#   RW_BUILD=/path/to/x86_64-build bash tests/bench/notice_timing.sh
#
# A run is timed from the first sample where the window has left its parked state (the
# motion placing it) to the first sample where it is parked again. Nominal: one 50 ms
# period per step after the first. Results go to stdout and to
# $RW_BUILD/screenshots/notice-timing/timing.txt.
source "$(dirname "$0")/../e2e/lib.sh"
e2e_begin notice-timing

out="$SHOTS/timing.txt"
: >"$out"
printf '%-14s %-7s %8s %8s %7s\n' motion speed nominal measured excess | tee -a "$out"
for kind in 3 2 1; do
    for speed in 0 1 2; do
        make_param "$DATA/param.dat" 60 5 "$kind" 1 "$speed" 0 0x0000FF00 0
        e2e_app_start
        drv follow class=ALPHA 60000 >"$SHOTS/run-$kind-$speed.txt" &
        follower=$!
        for i in 1 2 3 4 5; do drv post class=MAIN 0x113 1 0 >/dev/null; done
        wait "$follower" || log "run $kind/$speed not followed to its end"
        e2e_app_exit
        python3 - "$SHOTS/run-$kind-$speed.txt" "$kind" "$speed" <<'PY' | tee -a "$out"
import sys
lines = [list(map(int, l.split())) for l in open(sys.argv[1]) if l.strip()]
kind, speed = int(sys.argv[2]), int(sys.argv[3])
parked = lambda l: l[1:] == [0, 0, 5, 5, 0]
start = next(l[0] for l in lines if not parked(l))
end = next(l[0] for l in lines if parked(l) and l[0] > start)
w, h = 1024, 768
if kind == 1:
    stride = [6, 3, 2][speed]
    peak = (150 // stride + 1) * stride
    steps = 2 * (peak // stride)  # up to the peak, back down to 0
else:
    length = h if kind == 3 else w
    stride = max(1, length // [73, 146, 292][speed])
    steps = length // stride + 1   # the periods between the first and the parking step
nominal = steps * 50
names = {1: "fade", 2: "left-right", 3: "top-down"}
print(f"{names[kind]:<14} {['fast', 'normal', 'slow'][speed]:<7} {nominal:8d} {end - start:8d} {100.0 * (end - start - nominal) / nominal:6.2f}%")
PY
    done
done

#!/usr/bin/env bash
# The work status strip, the evaluation report and the version dialog, painted by the real
# program: colours at the client pixels the records put them, the picture at (20, 10), no
# GDI object left behind after many openings, Escape ignored, OK and closing end them.
source "$(dirname "$0")/../lib.sh"
e2e_begin report

# PIL reads the version picture for the expected colours; Debian's python3 has it.
PY=python3
/usr/bin/python3 -c 'import PIL' 2>/dev/null && PY=/usr/bin/python3
PICTURE="${RW_SOURCE:-$(dirname "$0")/../../..}/res/version.jpg"

# Today's record (08:00-08:59 working, 09:00-09:09 resting, 12:00-12:29 stopped) and a
# history of four earlier days with the same work and rest, written before the start.
"$PY" - "$DATA" <<'PY'
import struct, sys, time
folder = sys.argv[1]

def summarize(m):
    total, runs, length = [0] * 6, [0] * 6, 1
    for i in range(1439):
        if m[i] == m[i + 1]:
            length += 1
        else:
            total[m[i]] += length; runs[m[i]] += 1; length = 1
    total[m[1439]] += length; runs[m[1439]] += 1
    return [min(total[c] // runs[c], 255) if runs[c] else 0 for c in range(6)], [r % 256 for r in runs]

def record(start, stopped):
    m = [0] * 1440
    for i in range(480, 540): m[i] = 1
    for i in range(540, 550): m[i] = 3
    if stopped:
        for i in range(720, 750): m[i] = 5
    mean, runs = summarize(m)
    return bytes(b & 0xFF for b in m) + bytes(mean) + bytes(runs) + struct.pack('<I', start)

now = int(time.time())
open(folder + '/stateTmp.dat', 'wb').write(record(now, True))
open(folder + '/state.dat', 'wb').write(b''.join(record(now - 86400 * k, False) for k in (4, 3, 2, 1)))
PY

DLG="class=#32770"
title_of_dialog() { drv list | awk '$2 == "#32770" && $3 == 1 { $1 = $2 = $3 = $4 = ""; sub(/^ +/, ""); print; exit }'; }
pixel() { drv client-pixel "$DLG" "$1" "$2"; }
# open ID: chooses the menu command and waits until its dialog has painted.
open_dialog() {
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    drv wait "$DLG" 10000 >/dev/null || { log "no dialog for $1"; return 1; }
    sleep 0.4
}
close_with_ok() {
    drv command "$DLG" 1 >/dev/null
    drv wait-gone "$DLG" 5000 >/dev/null || { log "OK did not end the dialog"; E2E_FAILED=1; }
}
# The client area holds the painting: wider than its right edge, taller than the button's bottom.
client_holds() {
    local w h
    read -r _ _ w h <<<"$(drv client "$DLG")"
    log "client area ${w}x${h}"
    [ "$w" -gt "$1" ] && [ "$h" -gt "$2" ]
}
# Nothing painted is cut at the client's right edge: the last columns show the background.
right_edge_blank() {
    local w h bg y
    read -r _ _ w h <<<"$(drv client "$DLG")"
    bg=$(pixel $((w - 1)) 2)
    for y in $(seq 2 4 "$1"); do
        [ "$(pixel $((w - 1)) "$y")" = "$bg" ] && [ "$(pixel $((w - 3)) "$y")" = "$bg" ] || return 1
    done
}

# The program runs with Wine's GDI trace on: each line of it that allocates or frees a GDI
# object carries the process's running object count, the one count Wine keeps
# (GetGuiResources is a stub there and answers 0).
GDI_LOG="$E2E_DIR/gdi-trace.log"
E2E_CRASH_LOGS+=("$GDI_LOG")
(cd "$DATA" && WINEDEBUG=trace+gdi exec "$WINE64" "$EXE" >/dev/null 2>"$GDI_LOG") &
E2E_APP=$!
drv wait "class=MAIN" 30000 >/dev/null || { log "the program's window did not appear"; exit 1; }
drv wait "class=ALPHA" 10000 >/dev/null
gdi_count() {
    local n
    n=$(drv gdi class=MAIN)
    if [ -n "$n" ] && [ "$n" != 0 ]; then echo "$n"; return; fi
    grep -E 'trace:gdi:(alloc|free)_gdi_handle' "$GDI_LOG" | tail -1 | sed -E 's#.* ([0-9]+)/[0-9]+$#\1#'
}
still_open() { drv wait "$DLG" 100 >/dev/null; }

# ---- The work status strip ------------------------------------------------------------
open_dialog 40012
eq "work status title" "$(title_of_dialog)" "現在までの作業状況"
drv post class=MAIN 0x111 40012 0 >/dev/null   # a second choice while open does nothing
sleep 0.5
eq "one work status dialog" "$(drv list | awk '$2 == "#32770" && $3 == 1' | wc -l)" 1
check "strip inside the client area (to x 494, y 85)" client_holds 494 85
check "nothing cut at the strip's right edge" right_edge_blank 100
BG=$(pixel 300 100)
eq "08:00 worked"               "$(pixel 170 60)" FF2244
eq "08:57 worked"               "$(pixel 189 60)" FF2244
eq "09:00 rested, over its mark" "$(pixel 190 60)" 2255FF
eq "09:00 mark above the column" "$(pixel 190 51)" 777777
eq "09:09 rested"               "$(pixel 193 60)" 2255FF
eq "09:12 no data"              "$(pixel 194 60)" "$BG"
eq "12:00 stopped, over noon"    "$(pixel 250 60)" 909090
eq "12:27 stopped"              "$(pixel 259 60)" 909090
eq "12:30 no data"              "$(pixel 262 60)" "$BG"
eq "column top"                 "$(pixel 175 53)" FF2244
eq "column bottom"              "$(pixel 175 66)" FF2244
eq "below the column"           "$(pixel 175 67)" "$BG"
eq "frame, light side"          "$(pixel 6 60)" 888888
eq "frame, dark side"           "$(pixel 7 60)" 323232
eq "noon mark, dark side"       "$(pixel 250 42)" 323232
e2e_shot work-status
drv key "$DLG" 0x1B >/dev/null   # Escape
sleep 0.5
check "Escape leaves the strip open" still_open
close_with_ok
check "OK ends the strip" test -z "$(title_of_dialog)"

# ---- The evaluation report ---------------------------------------------------------------
# Five records: 300 minutes of work and 50 of rest, no overrun, five days spanned. The
# scores are Seriousness 100, Efficiency 65, Awareness 100, Effort 0, Concentration 100,
# so the polygon runs (409,130) (452,186) (450,257) (409,200) (342,178).
open_dialog 40013
eq "report title" "$(title_of_dialog)" "通算作業評価"
check "report inside the client area (to x 524, y 406)" client_holds 524 406
check "nothing cut at the report's right edge" right_edge_blank 400
BG=$(pixel 150 300)
POLY=3203FF
eq "polygon at the Seriousness vertex" "$(pixel 409 130)" $POLY
eq "polygon at the Effort vertex (centre)" "$(pixel 409 200)" $POLY
eq "polygon at the Concentration vertex" "$(pixel 342 178)" $POLY
eq "polygon between Awareness and Effort" "$(pixel 429 228)" $POLY
eq "polygon between Efficiency and Awareness" "$(pixel 451 222)" $POLY
eq "no polygon on the outer ring's Efficiency vertex" "$(pixel 476 178)" 323232
eq "08:00 worked in every record: red from 340" "$(pixel 180 340)" FF2244
eq "... to 389" "$(pixel 180 389)" FF2244
eq "08:03 worked" "$(pixel 181 365)" FF2244
eq "07:57 not worked" "$(pixel 179 365)" "$BG"
eq "09:00 rested in every record" "$(pixel 200 365)" 2255FF
eq "12:00 stopped in one record of five: 10 pixels" "$(pixel 260 349)" 909090
eq "... and nothing under them" "$(pixel 260 350)" "$BG"
eq "frame under the bars" "$(pixel 180 390)" 888888
eq "frame at midnight" "$(pixel 20 365)" 323232
eq "score underline" "$(pixel 470 67)" FE111E
e2e_shot evaluation
drv key "$DLG" 0x1B >/dev/null
sleep 0.5
check "Escape leaves the report open" still_open
drv post "$DLG" 0x10 0 0 >/dev/null   # WM_CLOSE
check "closing ends the report" drv wait-gone "$DLG" 5000

# ---- The version dialog --------------------------------------------------------------------
open_dialog 40014
eq "version title" "$(title_of_dialog)" "バージョン情報"
check "picture inside the client area (to x 191, y 90)" client_holds 191 90
# The picture's own colours at a few points, against the decoded JPEG (within rounding).
samples=$("$PY" - "$PICTURE" <<'PY'
import sys
try:
    from PIL import Image
except ImportError:
    sys.exit(0)
img = Image.open(sys.argv[1]).convert('RGB')
assert img.size == (172, 81), img.size
for x, y in ((0, 0), (171, 80), (120, 75), (160, 65), (35, 20), (20, 45), (50, 50), (110, 20)):
    print(x, y, '%02X%02X%02X' % img.getpixel((x, y)))
PY
)
[ -n "$samples" ] || log "python3-pil missing: picture colours not checked"
near() {  # near RRGGBB RRGGBB: every channel within 12
    local a=$1 b=$2 i
    for i in 0 2 4; do
        local d=$(( 16#${a:$i:2} - 16#${b:$i:2} ))
        [ "${d#-}" -le 12 ] || return 1
    done
}
while read -r x y want; do
    [ -n "$x" ] || continue
    got=$(pixel $((20 + x)) $((10 + y)))
    check "picture pixel ($x,$y) at client ($((20 + x)),$((10 + y))): $got near $want" near "$got" "$want"
done <<<"$samples"
BG=$(pixel 5 5)
eq "left of the picture is background" "$(pixel 19 40)" "$BG"
eq "right of the picture is background" "$(pixel 192 40)" "$BG"
eq "below the picture is background" "$(pixel 100 91)" "$BG"
e2e_shot version
drv key "$DLG" 0x1B >/dev/null
sleep 0.5
check "Escape leaves the version dialog open" still_open
close_with_ok

# ---- Twenty openings of each leave the GDI object count where it was ---------------------------
# Each dialog has been opened once already: Wine's first dialog fills caches of its own.
gdi_before=$(gdi_count)
for round in $(seq 1 20); do
    for id in 40012 40013 40014; do
        open_dialog "$id" || { E2E_FAILED=1; break 2; }
        # Odd rounds end each dialog with OK, even rounds by closing the window.
        if [ $((round % 2)) = 0 ]; then
            drv post "$DLG" 0x10 0 0 >/dev/null
            drv wait-gone "$DLG" 5000 >/dev/null || { log "dialog $id did not close"; E2E_FAILED=1; }
        else
            close_with_ok
        fi
    done
done
sleep 0.3
gdi_after=$(gdi_count)
check "a GDI object count could be read" test -n "$gdi_before"
eq "GDI objects after sixty more openings (before: $gdi_before)" "$gdi_after" "$gdi_before"

e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0

#!/usr/bin/env bash
# The work status strip, the evaluation report and the version dialog, painted by the real
# program: colours at the client pixels the records put them, the picture at (20, 10), no
# GDI object left behind after many openings, Escape ignored, OK and closing end them.
source "$(dirname "$0")/../lib.sh"
e2e_begin report

PY=python3
/usr/bin/python3 -c 'import PIL' 2>/dev/null && PY=/usr/bin/python3
PICTURE="${RW_SOURCE:-$(dirname "$0")/../../..}/res/version.jpg"

# Today (08:00-08:59 working, 09:00-09:09 resting, 12:00-12:29 stopped) and four earlier days.
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
# Rows of "what... X Y RRGGBB": the client pixel at X,Y of the open dialog.
pixels() { local row; while read -r row; do set -- $row; eq "${row% * * *}" "$(pixel "${@: -3:1}" "${@: -2:1}")" "${@: -1}"; done; }
# open ID: chooses the menu command and waits until its dialog has painted.
open_dialog() {
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    drv wait "$DLG" 10000 >/dev/null || { log "no dialog for $1"; return 1; }
    sleep 0.4
}
close_with() {  # close_with ok|close: OK, or closing the window, ends the dialog
    if [ "$1" = ok ]; then drv command "$DLG" 1 >/dev/null; else drv post "$DLG" 0x10 0 0 >/dev/null; fi
    check "$1 ends the dialog" drv wait-gone "$DLG" 5000
}
# The client area holds the painting: wider than its right edge, taller than the button's bottom.
client_holds() { local w h; read -r _ _ w h <<<"$(drv client "$DLG")"; [ "$w" -gt "$1" ] && [ "$h" -gt "$2" ]; }
# Nothing painted is cut at the client's right edge: the last columns show the background.
right_edge_blank() {
    local w h bg y
    read -r _ _ w h <<<"$(drv client "$DLG")"
    bg=$(pixel $((w - 1)) 2)
    for y in $(seq 2 4 "$1"); do
        [ "$(pixel $((w - 1)) "$y")" = "$bg" ] && [ "$(pixel $((w - 3)) "$y")" = "$bg" ] || return 1
    done
}

# Wine's GDI trace gives the process's running GDI object count (GetGuiResources answers 0).
GDI_LOG="$E2E_DIR/gdi-trace.log"
E2E_CRASH_LOGS+=("$GDI_LOG")
(cd "$DATA" && WINEDEBUG=trace+gdi exec "$WINE64" "$EXE" >/dev/null 2>"$GDI_LOG") &
E2E_APP=$!
drv wait "class=MAIN" 30000 >/dev/null || { log "the program's window did not appear"; exit 1; }
drv wait "class=ALPHA" 10000 >/dev/null
gdi_count() { grep -E 'trace:gdi:(alloc|free)_gdi_handle' "$GDI_LOG" | tail -1 | sed -E 's#.* ([0-9]+)/[0-9]+$#\1#'; }
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
pixels <<EOF
08:00 worked                   170 60 FF2244
08:57 worked                   189 60 FF2244
09:00 rested, over its mark    190 60 2255FF
09:00 mark above the column    190 51 777777
09:09 rested                   193 60 2255FF
09:12 no data                  194 60 $BG
12:00 stopped, over noon       250 60 909090
12:27 stopped                  259 60 909090
12:30 no data                  262 60 $BG
column top                     175 53 FF2244
below the column               175 67 $BG
frame, light side              6 60 888888
frame, dark side               7 60 323232
noon mark, dark side           250 42 323232
EOF
e2e_shot work-status
drv key "$DLG" 0x1B >/dev/null   # Escape
sleep 0.5
check "Escape leaves the strip open" still_open
close_with ok

# ---- The evaluation report ---------------------------------------------------------------
# Scores 100, 65, 100, 0, 100: the polygon runs (409,130) (452,186) (450,257) (409,200) (342,178).
open_dialog 40013
eq "report title" "$(title_of_dialog)" "通算作業評価"
check "report inside the client area (to x 524, y 406)" client_holds 524 406
check "nothing cut at the report's right edge" right_edge_blank 400
BG=$(pixel 150 300)
pixels <<EOF
polygon at the Seriousness vertex            409 130 3203FF
polygon at the Effort vertex, the centre     409 200 3203FF
polygon at the Concentration vertex          342 178 3203FF
polygon between Awareness and Effort         429 228 3203FF
polygon between Efficiency and Awareness     451 222 3203FF
no polygon on the outer Efficiency vertex    476 178 323232
08:00 worked in every record: red from 340   180 340 FF2244
... to 389                                   180 389 FF2244
07:57 not worked                             179 365 $BG
09:00 rested in every record                 200 365 2255FF
12:00 stopped in one record of five: 10 px   260 349 909090
... and nothing under them                   260 350 $BG
frame under the bars                         180 390 888888
frame at midnight                            20 365 323232
score underline                              470 67 FE111E
EOF
e2e_shot evaluation
drv key "$DLG" 0x1B >/dev/null
sleep 0.5
check "Escape leaves the report open" still_open
close_with close

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
near() { local i d; for i in 0 2 4; do d=$((16#${1:$i:2} - 16#${2:$i:2})); [ "${d#-}" -le 12 ] || return 1; done; }
while read -r x y want; do
    [ -n "$x" ] && got=$(pixel $((20 + x)) $((10 + y))) && check "picture pixel ($x,$y): $got near $want" near "$got" "$want"
done <<<"$samples"
BG=$(pixel 5 5)
pixels <<EOF
left of the picture is background   19 40 $BG
right of the picture is background  192 40 $BG
below the picture is background     100 91 $BG
EOF
e2e_shot version
drv key "$DLG" 0x1B >/dev/null
sleep 0.5
check "Escape leaves the version dialog open" still_open
close_with ok

# Twenty more openings of each, ended by OK or by closing, leave the GDI object count as it was
# (each was opened once already: Wine's first dialog fills caches of its own).
gdi_before=$(gdi_count)
for round in $(seq 1 20); do
    for id in 40012 40013 40014; do
        if open_dialog "$id"; then close_with $([ $((round % 2)) = 0 ] && echo close || echo ok) 2>/dev/null; else E2E_FAILED=1; fi
    done
done
sleep 0.3
eq "GDI objects after sixty more openings (before: $gdi_before)" "$(gdi_count)" "${gdi_before:-none}"

e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0

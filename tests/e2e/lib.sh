# Harness for the end-to-end scenarios: a private Xvfb display and Wine prefix per run, the
# real RestWarden.exe (x86_64) and rwdriver.exe, which pokes its windows.
#
#   e2e_begin NAME        display, prefix, data folder $DATA, screenshots folder $SHOTS
#   e2e_app_start         starts the program in $DATA, waits for its windows
#   e2e_app_exit          chooses "終了", waits for the process; its exit code in $E2E_APP_STATUS
#   e2e_app_kill          kills the program and the Wine session, then starts a new session
#   drv COMMAND ARGS...   runs rwdriver.exe (UTF-8 output)
#   e2e_shot NAME         screenshot of the whole desktop into $SHOTS/NAME.png
#   check "what" CMD...   /  eq "what" ACTUAL EXPECTED   named assertions, counted at the end
#   tick [N]              N minute ticks (WM_TIMER) to the program
#   face / wait_face F    the tray icon's picture: red1, darkred, blue1, gray / until it is F
#   tip                   the tray tip, read by pointing at the icon
#   open_page N PAGE      opens the settings sheet ($SHEET) on page N, whose window is PAGE
#   make_param FILE WORK REST [KIND SIZE SPEED SOUND COLOR LOG]   a 284-byte param.dat
#   make_day FILE DAYS_AGO FIRST-LAST:CODE...   appends a day record
# Everything started here is stopped on exit, failure included.
#
# Set before e2e_begin to change the session:
#   E2E_SCREENS="+xinerama -screen 0 1024x768x24 -screen 1 800x600x24"   Xvfb's screens
#   E2E_NO_DESKTOP=1   no virtual desktop and no XRandR, so Wine sees each Xinerama head
#   E2E_DPI=144        the prefix's LogPixels
set -u
RW_BUILD=${RW_BUILD:?RW_BUILD must name the x86_64 build folder}
EXE="$RW_BUILD/RestWarden.exe" DRIVER="$RW_BUILD/rwdriver.exe"
WINE64=${WINE64:-/usr/lib/wine/wine64} WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
[ -x "$WINE64" ] || WINE64=$(command -v wine64)
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
E2E_FAILED=0 E2E_PIDS=()

log() { printf '[%s] %s\n' "${E2E_NAME:-e2e}" "$*" >&2; }

# Starts Xvfb on a free display (it writes the number it picked to FILE).
start_xvfb() {
    # shellcheck disable=SC2086  # the screen arguments are words
    Xvfb -displayfd 5 ${E2E_SCREENS:--screen 0 1024x768x24} -nolisten tcp 5>"$1" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 200); do
        XVFB_DISPLAY=$(tr -dc 0-9 <"$1")
        [ -n "$XVFB_DISPLAY" ] && return 0
        sleep 0.1
    done
    return 1
}

# The prefix every run copies, made once per build folder: Wine's virtual desktop, so that
# the taskbar and tray sit at the bottom right of a 1024 x 768 screen.
e2e_template() {
    local t="${E2E_TEMPLATE:-$RW_BUILD/wine-template}"
    (
        flock 9
        [ -f "$t/.ready" ] && exit 0
        rm -rf "$t" && mkdir -p "$t" && log "making the Wine prefix template"
        start_xvfb "$t.display"
        wine() { WINEPREFIX="$t" DISPLAY=":$XVFB_DISPLAY" WINEDEBUG=-all "$WINE64" "$@" >/dev/null 2>&1; }
        wine wineboot -i
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f
        WINEPREFIX="$t" "$WINESERVER" -w
        kill "$XVFB_PID"; wait "$XVFB_PID"
        touch "$t/.ready"
    ) 9>"$t.lock"
}

# Before e2e_begin: run the 32-bit program EXE in Wine's WoW64 mode. Its prefix must be
# made with the 32-bit DLLs that scripts/deps.sh unpacks, so it has a template of its own.
# Nothing is painted in that mode: such a scenario checks files, messages and exit codes.
e2e_use_wow64() {
    export WINEDLLPATH=${RW_WOW64_LIB:-/opt/restwarden-wow64/lib}
    [ -d "$WINEDLLPATH/i386-windows" ] || { log "no 32-bit Wine DLLs in $WINEDLLPATH: run scripts/deps.sh"; exit 1; }
    E2E_TEMPLATE="$RW_BUILD/wine-template-wow64"
    EXE=$1
}

e2e_begin() {
    E2E_NAME=$1
    trap e2e_end EXIT
    e2e_template
    E2E_DIR=$(mktemp -d "$RW_BUILD/e2e-run-$E2E_NAME-XXXX")
    DATA="$E2E_DIR/data" SHOTS="$RW_BUILD/screenshots/$E2E_NAME"
    E2E_APP_LOG="$SHOTS/program-output.log"
    mkdir -p "$DATA" "$SHOTS" && : >"$E2E_APP_LOG"
    cp -a "${E2E_TEMPLATE:-$RW_BUILD/wine-template}" "$E2E_DIR/prefix"
    start_xvfb "$E2E_DIR/display" || { log "Xvfb did not start"; exit 1; }
    E2E_XVFB=$XVFB_PID
    export DISPLAY=":$XVFB_DISPLAY" WINEPREFIX="$E2E_DIR/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv=d"
    if [ -n "${E2E_NO_DESKTOP:-}" ]; then
        "$WINE64" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
        "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
    fi
    if [ -n "${E2E_DPI:-}" ]; then
        "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$E2E_DPI" /f >/dev/null 2>&1
    fi
    [ -n "${E2E_NO_DESKTOP:-}${E2E_DPI:-}" ] && "$WINESERVER" -w
    e2e_keep
}

# A long-lived keeper keeps Wine's desktop and server warm between the steps.
e2e_keep() {
    "$WINE64" "$DRIVER" keep >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    drv wait "class=Shell_TrayWnd" 60000 >/dev/null || { log "no taskbar"; exit 1; }
}

e2e_end() {
    local status=$? f
    [ -n "${E2E_APP:-}" ] && kill "$E2E_APP" 2>/dev/null
    for f in "${E2E_PIDS[@]}"; do kill "$f" 2>/dev/null; done
    if [ -d "${WINEPREFIX:-/nonexistent}" ]; then "$WINESERVER" -k 2>/dev/null; timeout 20 "$WINESERVER" -w 2>/dev/null; fi
    [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null && wait "$E2E_XVFB" 2>/dev/null
    [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR/prefix"
    # A crash (Wine's "Unhandled ...") fails the scenario.
    if grep -qE 'Unhandled|page fault' "$E2E_APP_LOG" 2>/dev/null; then
        grep -E 'Unhandled|page fault' "$E2E_APP_LOG" | head -n 5 >&2
        log "FAIL: the program crashed"
        status=1
    fi
    [ "$E2E_FAILED" = 0 ] || status=1
    if [ "$status" = 0 ]; then log "PASSED"; else log "FAILED"; fi
    exit "$status"
}

drv() { "$WINE64" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

e2e_app_start() {
    (cd "$DATA" && exec "$WINE64" "$EXE" >>"$E2E_APP_LOG" 2>&1) &
    E2E_APP=$!
    drv wait "class=MAIN" 30000 >/dev/null || { log "the program's window did not appear"; return 1; }
    drv wait "class=ALPHA" 10000 >/dev/null
}

e2e_app_exit() {
    drv post "class=MAIN" 0x111 40021 0 >/dev/null
    for _ in $(seq 1 200); do
        kill -0 "$E2E_APP" 2>/dev/null || { wait "$E2E_APP" 2>/dev/null; E2E_APP_STATUS=$? E2E_APP=; return 0; }
        sleep 0.1
    done
    log "the program did not end"
    return 1
}

e2e_app_kill() {
    kill -9 "$E2E_APP"; wait "$E2E_APP" 2>/dev/null; E2E_APP=
    "$WINESERVER" -k; "$WINESERVER" -w
    e2e_keep
}

e2e_shot() { import -window root "$SHOTS/$1.png" 2>/dev/null || log "screenshot $1 failed"; }

check() {
    local what=$1
    shift
    if "$@"; then log "ok: $what"; else log "FAIL: $what"; E2E_FAILED=1; fi
}

eq() {
    if [ "$2" = "$3" ]; then log "ok: $1 ($2)"; else log "FAIL: $1: got '$2', expected '$3'"; E2E_FAILED=1; fi
}


make_param() {
    python3 - "$@" <<'PY'
import struct, sys
f, work, rest, *more = sys.argv[1:]
kind, size, speed, sound, color, log = [int(v, 0) for v in more] + [3, 1, 1, 0, 255, 1][len(more):]
b = bytearray(284)
b[1:5] = bytes([kind, size, speed, sound])
struct.pack_into('<I', b, 8, color)
struct.pack_into('<ii', b, 272, int(work, 0), int(rest, 0))
b[280] = log
open(f, 'wb').write(b)
PY
}

# A day of stateTmp.dat / state.dat: 1440 minute codes, the mean run length and the number of
# runs of each code (the program fills these in when it archives a day), the day's start.
make_day() {
    python3 - "$@" <<'PY'
import itertools, struct, sys, time
f, ago, *spans = sys.argv[1:]
m = [0] * 1440
for span in spans:
    first, last, code = map(int, span.replace("-", ":").split(":"))
    m[first:last + 1] = [code] * (last + 1 - first)
runs = [(c, len(list(g))) for c, g in itertools.groupby(m)]
count = [sum(1 for c, _ in runs if c == k) for k in range(6)]
mean = [min(sum(n for c, n in runs if c == k) // count[k], 255) if count[k] else 0 for k in range(6)]
summary = bytes(mean) + bytes(n % 256 for n in count)
open(f, "ab").write(bytes(m) + summary + struct.pack("<I", int(time.time()) - int(ago) * 86400))
PY
}

tick() { local i; for i in $(seq 1 "${1:-1}"); do drv post class=MAIN 0x113 1 0 >/dev/null; done; }

# The tray icon's picture by three of its pixels (the 16 x 16 picture's top left is at 1006,750):
# the top right wedge, one lower left of the centre, and the centre.
face() {
    python3 - $(drv pixel 1015 753 1011 761 1014 758) <<'PY'
import sys
near = lambda a, b: all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= 24 for i in (0, 2, 4))
w, l, c = sys.argv[1:]
faces = {"red1": (w, "E4241C", l, "DADADA"), "darkred": (w, "A81616", c, "A81616"),
         "blue1": (w, "2276E2", l, "2276E2", c, "2276E2"), "gray": (w, "969696", l, "969696", c, "969696")}
print(next((n for n, p in faces.items() if all(near(p[i], p[i + 1]) for i in range(0, len(p), 2))), f"unknown({w} {l} {c})"))
PY
}
wait_face() { for _ in $(seq 1 30); do [ "$(face)" = "$1" ] && return 0; sleep 0.1; done; return 1; }

tip() {
    xdotool mousemove 300 300; sleep 0.3; xdotool mousemove 1014 758
    drv wait "class=tooltips_class32;visible" 5000 >/dev/null && sleep 0.5
    drv text "class=tooltips_class32;visible"
}

SHEET="class=#32770;title=各種設定" ERROR="class=#32770;title=エラー"
open_page() {
    drv wait "$SHEET" 100 >/dev/null 2>&1 || drv post class=MAIN 0x111 40011 0 >/dev/null
    drv wait "$SHEET" 10000 >/dev/null
    drv post "$SHEET" 0x465 "$1" 0 >/dev/null  # PSM_SETCURSEL
    drv wait "$2" 5000 >/dev/null
}

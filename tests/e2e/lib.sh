# Harness: a private Xvfb display and Wine prefix per scenario, the real RestWarden.exe (x86_64) and
# rwdriver.exe to poke its windows; everything started here is stopped on exit.
set -u
RW_BUILD=${RW_BUILD:?RW_BUILD must name the x86_64 build folder}
EXE="$RW_BUILD/RestWarden.exe" DRIVER="$RW_BUILD/rwdriver.exe"
WINE64=${WINE64:-/usr/lib/wine/wine64} WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
E2E_FAILED=0 E2E_PIDS=()
SHEET="class=#32770;title=各種設定" ERROR="class=#32770;title=エラー" TIP="class=tooltips_class32;visible"

log() { printf '[%s] %s\n' "${E2E_NAME:-e2e}" "$*" >&2; }

# NAME: a fresh display and prefix; sets $DATA (the program's folder) and $SHOTS. Set before: E2E_SCREENS
# (Xvfb's screens), E2E_NO_DESKTOP=1 (no virtual desktop, no XRandR: Wine sees each head), E2E_DPI,
# E2E_LANG=en (a prefix made in an English locale: code page 1252).
e2e_begin() {
    E2E_NAME=$1
    trap e2e_end EXIT
    E2E_DIR=$(mktemp -d "$RW_BUILD/e2e-run-$E2E_NAME-XXXX")
    DATA="$E2E_DIR/data" SHOTS="$RW_BUILD/screenshots/$E2E_NAME"
    E2E_APP_LOG="$SHOTS/program-output.log"
    mkdir -p "$DATA" "$SHOTS" && : >"$E2E_APP_LOG"
    # shellcheck disable=SC2086  # the screen arguments are words
    Xvfb -displayfd 5 ${E2E_SCREENS:--screen 0 1024x768x24} -nolisten tcp 5>"$E2E_DIR/display" >/dev/null 2>&1 &
    E2E_XVFB=$!
    for _ in $(seq 1 200); do [ -s "$E2E_DIR/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -dc 0-9 <"$E2E_DIR/display")" WINEPREFIX="$E2E_DIR/prefix" WINEDEBUG=-all
    local locale=ja_JP
    [ "${E2E_LANG:-ja}" = en ] && locale=en_US
    export LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8
    export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv=d"
    "$WINE64" wineboot -i >/dev/null 2>&1
    [ "${E2E_LANG:-ja}" = en ] && e2e_japanese_fallback
    [ -n "${WINEDLLPATH:-}" ] && e2e_wow64_runs
    if [ -n "${E2E_NO_DESKTOP:-}" ]; then
        reg 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N
    else  # a 1024 x 768 virtual desktop: taskbar and tray at the bottom right
        reg 'HKCU\Software\Wine\Explorer' /v Desktop /d shell
        reg 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768
    fi
    [ -n "${E2E_DPI:-}" ] && reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$E2E_DPI"
    "$WINESERVER" -w
    "$WINE64" "$DRIVER" wait class=NEVER 86400000 >/dev/null 2>&1 &  # keeps Wine warm between the steps
    E2E_PIDS+=($!)
    drv wait "class=Shell_TrayWnd" 60000 >/dev/null || { log "no taskbar"; exit 1; }
    # Someone at the desk: before any input Wine dates the last one to the machine's boot, which reads as
    # hours away, and nothing would sweep or sound (an X key press reaches Wine only where it has focus).
    drv input
}
reg() { "$WINE64" reg add "$@" /f >/dev/null 2>&1; }

e2e_use_wow64() {  # EXE before e2e_begin: a 32-bit program in WoW64 mode, with the DLLs scripts/deps.sh unpacks
    export WINEDLLPATH=${RW_WOW64_LIB:-/opt/restwarden-wow64/lib}
    [ -d "$WINEDLLPATH/i386-windows" ] || { log "no 32-bit Wine DLLs in $WINEDLLPATH: run scripts/deps.sh"; exit 1; }
    EXE=$1
}

# Some virtual machines cannot run 32-bit code at all, and WoW64 needs it: there a trivial 32-bit program
# fails too, and the scenario is skipped (exit 77, counted apart) rather than failed or passed.
e2e_wow64_runs() {
    printf 'int main(void) { return 42; }\n' >"$E2E_DIR/probe.c"
    i686-w64-mingw32-gcc -o "$E2E_DIR/probe.exe" "$E2E_DIR/probe.c" || exit 1
    timeout 60 "$WINE64" "$E2E_DIR/probe.exe" >/dev/null 2>&1
    [ $? = 42 ] && return 0
    log "SKIPPED: this machine cannot run a 32-bit program under Wine's WoW64 mode"
    E2E_SKIPPED=1
    exit 77
}

e2e_end() {
    local status=$? f
    [ -n "${E2E_APP:-}" ] && kill "$E2E_APP" 2>/dev/null
    for f in "${E2E_PIDS[@]}"; do kill "$f" 2>/dev/null; done
    if [ -d "${WINEPREFIX:-/nonexistent}" ]; then "$WINESERVER" -k 2>/dev/null; timeout 20 "$WINESERVER" -w 2>/dev/null; fi
    [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null && wait "$E2E_XVFB" 2>/dev/null
    [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR/prefix"
    if grep -E 'Unhandled|page fault' "$E2E_APP_LOG" 2>/dev/null | head -n 5 | grep . >&2; then  # a crash
        log "FAIL: the program crashed"
        status=1
    fi
    [ "$E2E_FAILED" = 0 ] || status=1
    if [ -n "${E2E_SKIPPED:-}" ]; then exit 77; fi
    if [ "$status" = 0 ]; then log "PASSED"; else log "FAILED"; fi
    exit "$status"
}

drv() { "$WINE64" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
press() { drv post "$1" 0x111 "$2" 0 >/dev/null; }  # WINDOW ID: WM_COMMAND as from button ID
click() { drv post "$1" 0xF5 0 0 >/dev/null; }  # WINDOW: BM_CLICK, for a control "...;id=N"

e2e_app_start() {  # in $DATA, until its windows exist
    (cd "$DATA" && exec "$WINE64" "$EXE" >>"$E2E_APP_LOG" 2>&1) &
    E2E_APP=$!
    drv wait "class=MAIN" 30000 >/dev/null || { log "the program's window did not appear"; return 1; }
    drv wait "class=ALPHA" 10000 >/dev/null
}

e2e_app_exit() {  # chooses 終了: the program must end, with exit code 0
    drv post "class=MAIN" 0x111 40021 0 >/dev/null
    for _ in $(seq 1 200); do kill -0 "$E2E_APP" 2>/dev/null && sleep 0.1; done
    kill -0 "$E2E_APP" 2>/dev/null && { log "FAIL: the program did not end"; E2E_FAILED=1; return 1; }
    wait "$E2E_APP" 2>/dev/null
    eq "exit code" $? 0
    E2E_APP=
}

e2e_shot() { import -window root "$SHOTS/$1.png" 2>/dev/null || log "screenshot $1 failed"; }

check() {  # "what" COMMAND...
    if "${@:2}"; then log "ok: $1"; else log "FAIL: $1"; E2E_FAILED=1; fi
}

eq() { check "$1: got '$2', expected '$3'" test "$2" = "$3"; }  # "what" ACTUAL EXPECTED

make_param() {  # FILE WORK REST [KIND SIZE SPEED SOUND COLOR LOG]: a 284-byte param.dat
    python3 - "$@" <<'PY'
import struct, sys
f, work, rest, *more = sys.argv[1:]
kind, size, speed, sound, color, log = [int(v, 0) for v in more] + [3, 1, 1, 0, 255, 1][len(more):]
b = bytearray(284)  # motion kind, size, speed and sound at 1, the colour at 8, work, rest and log at 272
struct.pack_into('<x4B3xI260xiiB', b, 0, kind, size, speed, sound, color, int(work, 0), int(rest, 0), log)
open(f, 'wb').write(b)
PY
}

# FILE DAYS_AGO FIRST-LAST:CODE...: appends a day (1440 minute codes, the mean run length and
# number of runs of each code, the day's start) to stateTmp.dat or state.dat.
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
open(f, "ab").write(bytes(m) + bytes(mean) + bytes(count) + struct.pack("<I", int(time.time()) - int(ago) * 86400))
PY
}

tick() { local i; for i in $(seq 1 "${1:-1}"); do drv post class=MAIN 0x113 1 0 >/dev/null; done; }

# The tray icon's picture (16 x 16 at 1006,750) at its top right wedge, lower left of the centre and the centre,
# each r(ed), d(ark red), b(lue), g(rey), w(hite) or ?: one red twelfth "rw?", dark red "d?d", blue "bbb", grey "ggg".
face() {
    python3 - $(drv pixel 1015 753 1011 761 1014 758) <<'PY'
import sys
colours = {"r": "E4241C", "d": "A81616", "b": "2276E2", "g": "969696", "w": "DADADA"}
near = lambda a, b: all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= 24 for i in (0, 2, 4))
print("".join(next((k for k, c in colours.items() if near(p, c)), "?") for p in sys.argv[1:]))
PY
}
wait_face() { for _ in $(seq 1 30); do [[ "$(face)" == $1 ]] && return 0; sleep 0.1; done; return 1; }

tip() {  # the tray tip, read by pointing at the icon
    xdotool mousemove 300 300; sleep 0.3; xdotool mousemove 1014 758
    drv wait "$TIP" 5000 >/dev/null && sleep 0.5
    drv text "$TIP"
}

open_page() {  # N PAGE: the settings sheet on page N, whose window is PAGE
    drv wait "$SHEET" 100 >/dev/null 2>&1 || drv post class=MAIN 0x111 40011 0 >/dev/null
    drv wait "$SHEET" 10000 >/dev/null
    drv post "$SHEET" 0x465 "$1" 0 >/dev/null  # PSM_SETCURSEL
    drv wait "$2" 5000 >/dev/null
}

# As Windows outside Japan does, the system's fonts (title bars, menus, message boxes, balloons) link to a
# face with Japanese glyphs for the characters they lack; Wine's own links name Windows' Japanese fonts.
e2e_japanese_fallback() {
    local face key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        reg "$key" /v "$face" /t REG_MULTI_SZ /d "ipag.ttf,IPAGothic"
    done
}

# CHECK "ID TITLE"...: each painted dialog opened from the menu by its command, its title checked, CHECK run
# with the title (":" for none) and a screenshot kept; then the menu's screenshot, and the program ends.
painted_dialogs_then_exit() {
    local check=$1 d dlg="class=#32770;visible"
    shift
    for d in "$@"; do
        drv post class=MAIN 0x111 "${d%% *}" 0 >/dev/null
        drv wait "$dlg" 10000 >/dev/null && sleep 0.5
        eq "${d%% *}: title" "$(drv text "$dlg")" "${d#* }"
        "$check" "${d#* }"
        e2e_shot "${d%% *}"
        press "$dlg" 1
        drv wait-gone "$dlg" 5000 >/dev/null
    done
    xdotool mousemove 1014 758 click 3
    drv wait "class=#32768;visible" 5000 >/dev/null && sleep 0.5
    e2e_shot menu
    xdotool key Escape
    e2e_app_exit
}

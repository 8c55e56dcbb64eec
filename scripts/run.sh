#!/usr/bin/env bash
# Builds RestWarden and starts it under Wine. On a machine with an X display it shows
# Wine's desktop there; without one it runs on a virtual display and writes a screenshot of
# the desktop with the tray (build/screenshot.png). It runs until "終了" is chosen from the
# tray menu or Ctrl-C is pressed, then stops Wine cleanly. The program keeps its files
# (param.dat, stateTmp.dat, state.dat) in build/data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" x86_64

build="$root/build/x86_64"
wine64=/usr/lib/wine/wine64; [ -x "$wine64" ] || wine64=$(command -v wine64)
wineserver=/usr/lib/wine/wineserver; [ -x "$wineserver" ] || wineserver=$(command -v wineserver)
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv=d"
data="$root/build/data"
mkdir -p "$data"

xvfb=""
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    : >"$root/build/.display"
    setsid Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$root/build/.display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 1 100); do [ -s "$root/build/.display" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -dc 0-9 <"$root/build/.display")"
    echo "No X display: running on the virtual display $DISPLAY"
fi

stop() {
    trap - INT TERM EXIT
    if [ -n "${app:-}" ] && kill -0 "$app" 2>/dev/null; then
        # A normal exit, so the settings and today's record are saved.
        wine "$build/rwdriver.exe" post class=MAIN 0x111 40021 0 >/dev/null 2>&1 || echo "could not reach the program"
        for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    fi
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    echo "RestWarden stopped; its files are in $data"
}
trap stop INT TERM EXIT

# Ctrl-C reaches every process of the terminal's group at once; Wine and the display are
# started in sessions of their own so that only this script sees it and can end the
# program normally (which saves its files) before stopping Wine.
wine() { setsid -w "$wine64" "$@"; }
setsid "$wineserver" -p >/dev/null 2>&1 &

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix (once)..."
    wine wineboot -i >/dev/null 2>&1 || true
fi
# Wine's own desktop window with a taskbar, so the tray icon has a place to stand.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1

(cd "$data" && exec setsid "$wine64" "$build/RestWarden.exe") &
app=$!
wine "$build/rwdriver.exe" wait class=MAIN 60000 >/dev/null 2>&1 || true
echo "RestWarden is running: the clock face is in the tray at the bottom right of Wine's desktop."
if [ -n "$xvfb" ]; then
    sleep 1
    import -window root "$root/build/screenshot.png" && echo "Screenshot of the desktop: $root/build/screenshot.png"
fi
echo "Choose 終了 from the tray menu, or press Ctrl-C, to stop."
wait "$app" || true

#!/usr/bin/env bash
# Benchmark, not a test: the program's footprint against the least a tray timer can be.
#
#   bash scripts/build.sh i686 x86_64 && bash scripts/deps.sh && bash tests/bench/footprint.sh
#
# Builds tests/bench/minimal_tray_win32.cpp (one window, one tray icon, a 60-second timer,
# static runtime) for both targets, then for each target starts RestWarden.exe and the
# minimal program side by side in one Wine prefix (WoW64 for i686) and prints, with ratios:
#   size   the executable's bytes
#   RSS    VmRSS of the Wine process of each program once both have settled
#   idle   context switches over IDLE seconds (default 120) with the program in Working and
#          no notice, voluntary and involuntary, summed over all threads of the process
# Results go to stdout and to build/x86_64/screenshots/footprint/footprint.txt.
root=$(cd "$(dirname "$0")/../.." && pwd)
export RW_BUILD=${RW_BUILD:-$root/build/x86_64}
IDLE=${IDLE:-120}
SETTLE=${SETTLE:-10}
source "$root/tests/e2e/lib.sh"

# The minimal program, built like the shipped one: size-optimised, stripped, static.
minimal_dir="$RW_BUILD/footprint"
mkdir -p "$minimal_dir"
for arch in i686 x86_64; do
    "$arch-w64-mingw32-g++" -Os -s -static -mwindows -Wall -Wextra -o "$minimal_dir/minimal-$arch.exe" \
        "$root/tests/bench/minimal_tray_win32.cpp" -lshell32 || exit 1
done

e2e_use_wow64 "$root/build/i686/RestWarden.exe"   # a WoW64 prefix runs both targets
e2e_begin footprint
out="$SHOTS/footprint.txt"
: >"$out"

# The Linux process that runs a Windows program: Wine names it by its Unix path, or by its
# Windows path (WoW64).
wine_pid_of() {
    local windows_path="Z:${1//\//\\}" cmdline line
    for cmdline in /proc/[0-9]*/cmdline; do   # some end while this loop runs: quiet
        line=$(tr -d '\0' <"$cmdline" 2>/dev/null)   # Wine pads its rewritten command line
        if [ "$line" = "$windows_path" ] || [ "$line" = "$1" ]; then
            cmdline=${cmdline#/proc/}
            echo "${cmdline%/cmdline}"
            return
        fi
    done 2>/dev/null
}
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches:/ {n += $2} END {print n + 0}'; }
ratio() { python3 -c "import sys; print(f'{int(sys.argv[1]) / max(1, int(sys.argv[2])):.2f}')" "$1" "$2"; }

for arch in i686 x86_64; do
    app_exe="$root/build/$arch/RestWarden.exe"
    min_exe="$minimal_dir/minimal-$arch.exe"
    [ -f "$app_exe" ] || { log "no $app_exe: build it first"; continue; }
    EXE=$app_exe
    e2e_app_start || continue
    (cd "$DATA" && exec "$WINE64" "$min_exe" >/dev/null 2>&1) &
    min_job=$!
    E2E_PIDS+=("$min_job")
    drv wait "class=MINIMALTRAY" 30000 >/dev/null || { log "the minimal program did not start"; continue; }
    sleep "$SETTLE"
    app_pid=$(wine_pid_of "$app_exe") min_pid=$(wine_pid_of "$min_exe")
    [ -n "$app_pid" ] && [ -n "$min_pid" ] || { log "the Wine processes were not found"; E2E_FAILED=1; continue; }
    app_before=$(switches "$app_pid") min_before=$(switches "$min_pid")
    sleep "$IDLE"
    app_idle=$(($(switches "$app_pid") - app_before)) min_idle=$(($(switches "$min_pid") - min_before))
    app_rss=$(rss_kb "$app_pid") min_rss=$(rss_kb "$min_pid")
    app_size=$(stat -c %s "$app_exe") min_size=$(stat -c %s "$min_exe")
    {
        echo "== $arch (Wine $("$WINE64" --version), ${IDLE} s idle)"
        printf '%-22s %12s %12s %7s\n' "" RestWarden minimal ratio
        printf '%-22s %12d %12d %7s\n' "size (bytes)" "$app_size" "$min_size" "$(ratio "$app_size" "$min_size")"
        printf '%-22s %12d %12d %7s\n' "RSS (kB)" "$app_rss" "$min_rss" "$(ratio "$app_rss" "$min_rss")"
        printf '%-22s %12d %12d %7s\n' "context switches" "$app_idle" "$min_idle" "$(ratio "$app_idle" "$min_idle")"
    } | tee -a "$out"
    e2e_app_exit
    drv post "class=MINIMALTRAY" 0x10 0 0 >/dev/null   # WM_CLOSE
    wait "$min_job" 2>/dev/null
done

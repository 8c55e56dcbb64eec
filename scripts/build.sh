#!/usr/bin/env bash
# Builds one or more of the three targets into build/<target>: native, i686, x86_64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
for target in "$@"; do
    dir="$root/build/$target"
    case $target in
        native) cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null ;;
        i686|x86_64) cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
                         -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$target.cmake" >/dev/null ;;
        *) echo "build.sh: unknown target $target" >&2; exit 2 ;;
    esac
    echo "== building $target"
    # Warnings are errors here: every target must compile clean.
    log="$dir/build.log"
    status=0
    make -C "$dir" -j"$jobs" >"$log" 2>&1 || status=$?
    grep -E 'warning:|error:' "$log" || true
    if [ "$status" != 0 ]; then tail -n 20 "$log"; echo "build of $target failed" >&2; exit 1; fi
    if grep -qE 'warning:' "$log"; then echo "build of $target has warnings" >&2; exit 1; fi
done

#!/usr/bin/env bash
# Benchmark, not a test: what flushing each written data file to the disk costs under Wine.
#
#   bash tests/bench/flush_cost.sh [COUNT] [FOLDER]
#
# Builds tests/bench/flush_cost_win32.cpp (x86_64) and runs it in FOLDER (default: a new folder
# under build/x86_64, on the disk the data would be on), COUNT writes of each kind (default 200).
root=$(cd "$(dirname "$0")/../.." && pwd)
export RW_BUILD=${RW_BUILD:-$root/build/x86_64}
source "$root/tests/e2e/lib.sh"
out="$RW_BUILD/flush-cost"
mkdir -p "$out"
x86_64-w64-mingw32-g++ -O2 -static -Wall -Wextra -o "$out/flush_cost.exe" "$root/tests/bench/flush_cost_win32.cpp" || exit 1
e2e_begin flush_cost
folder=${2:-$DATA}
(cd "$folder" && "$WINE64" "$out/flush_cost.exe" "${1:-200}" 2>/dev/null) | tr -d '\r' | tee "$SHOTS/flush_cost.txt"

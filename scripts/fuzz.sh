#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (one harness, one reader per build) with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS (default 10)
# on a seed corpus, printing how many inputs it tried.
# Exits non-zero as soon as a target finds a crash, a leak or undefined behaviour.
#
# usage: scripts/fuzz.sh [SECONDS]        build dir: $FUZZ_BUILD (default build/fuzz)
#
# clang 14 accepts only UTF-8 literals, so these targets are built without the code page
# 932 conversion of the product: they exercise bytes, not texts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
case "$seconds" in '' | *[!0-9]*) echo "fuzz.sh: SECONDS must be a whole number" >&2; exit 2 ;; esac
dir=${FUZZ_BUILD:-$root/build/fuzz}
mkdir -p "$dir"
CXX=${FUZZ_CXX:-clang++}

# Coverage is not traced through the branch-free counting loops and the standard library:
# counters in those loops would cost more than everything else the readers do. The loops'
# addresses depend on the number of records only, never on their bytes, so they are not
# checked by the sanitizers either.
printf 'src:*/records/minute_tally.cpp\nsrc:*/include/c\\+\\+/*\n' >"$dir/coverage_ignore.txt"
printf 'src:*/records/minute_tally.cpp\n' >"$dir/sanitize_ignore.txt"
flags=(-std=c++17 -O2 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-coverage=trace-cmp -fsanitize-coverage-ignorelist="$dir/coverage_ignore.txt"
       -fsanitize-ignorelist="$dir/sanitize_ignore.txt"
       -fno-sanitize-recover=all -I"$root" -Wall -Wextra)
common=("$root/records/day_record.cpp" "$root/records/arithmetic.cpp" "$root/records/compiled_state.cpp"
        "$root/records/evaluate_state.cpp" "$root/records/record_files.cpp" "$root/records/minute_tally.cpp" "$root/platform/data_files.cpp"
        "$root/records/day_history.cpp" "$root/platform/texts.cpp"
        "$root/timer/property.cpp" "$root/timer/options.cpp")

# Seeds: a worked day, a short piece, an empty file, a run of damaged bytes.
seeds="$dir/seeds"
python3 - "$seeds" <<'PY'
import os, struct, sys
out = sys.argv[1]
def record(start, stretches):
    m = [0] * 1440
    for a, b, c in stretches:
        for i in range(a, b + 1): m[i] = c
    return bytes(m) + bytes([50, 50, 5, 10, 5, 0]) + bytes([3, 3, 2, 3, 2, 1]) + struct.pack("<I", start)
day = record(1717225200, [(480, 529, 1), (530, 534, 2), (535, 544, 3), (545, 549, 4), (550, 619, 1)])
today = record(1717397700, [(480, 529, 1), (530, 539, 3), (540, 569, 5)])
param = bytearray(284); param[272:276] = struct.pack("<i", 60); param[276:280] = struct.pack("<i", 5); param[280] = 1
param[12:20] = b"bell.wav"
seeds = {
    "param": [bytes(param), bytes(param[:100]), b"", bytes([0xFF]) * 284],
    "temp": [today, today[:700], b"", bytes([0x80]) * 1456],
    "state": [b"\x05" + day + day, b"\x02" + day + day[:300], b"", b"\xff" + day],
    "evaluate": [today + day + day, today, day + bytes([0x7F]) * 1456 + day[:10], b""],
    "options": [b"[options]\r\nawayIsRest=1\r\nawayMinutes=60\r\nquietFullscreen=0\r\nallMonitors=0\r\n",
                b"\xef\xbb\xbf[Options]\nawayminutes=7x\n[other]\nawayIsRest=1\n", b""],
    "history": [day + today, today + day + today[:900], bytes([0x7F]) * 1456 + day, b""],
}
for target, items in seeds.items():
    os.makedirs(os.path.join(out, target), exist_ok=True)
    for i, data in enumerate(items):
        with open(os.path.join(out, target, "seed%d" % i), "wb") as f: f.write(data)
PY

status=0
reader=0
for name in param temp state evaluate options history; do
    reader=$((reader + 1)); corpus=$name
    exe="$dir/fuzz_$name"
    if ! "$CXX" "${flags[@]}" -DREADER=$reader "$root/tests/fuzz/fuzz_readers.cpp" "${common[@]}" -o "$exe" 2>"$dir/fuzz_$name.build.log"; then
        cat "$dir/fuzz_$name.build.log" >&2
        exit 1
    fi
    work="$dir/corpus_$name"
    mkdir -p "$work"
    cp -n "$seeds/$corpus"/* "$work"/ 2>/dev/null || true
    echo "fuzz_$name: ${seconds}s"
    if ! (cd "$dir" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
          "$exe" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "$work" "$seeds/$corpus" \
          >"$dir/fuzz_$name.log" 2>&1); then
        tail -n 40 "$dir/fuzz_$name.log" >&2
        echo "fuzz_$name: FAILED (see $dir/fuzz_$name.log)" >&2
        status=1
    else
        grep -E "^#[0-9]+.*DONE" "$dir/fuzz_$name.log" | tail -n 1 || true
        grep -E "^stat::number_of_executed_units" "$dir/fuzz_$name.log" || true
    fi
done
exit $status

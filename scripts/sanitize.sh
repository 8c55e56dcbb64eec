#!/usr/bin/env bash
# The native unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# every file reader and every index into the records must stay inside its buffer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/asan"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
make -C "$dir" -j"${JOBS:-2}" unit_tests >"$dir/build.log" 2>&1 || { tail -n 30 "$dir/build.log"; exit 1; }
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$dir/unit_tests" --gtest_brief=1

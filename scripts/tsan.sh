#!/usr/bin/env bash
# The notice tests again, built with ThreadSanitizer: the UI thread and the notice worker
# share `animating` and `repeatCount` without a lock, and two starts that meet must leave
# exactly one run going. Usage: scripts/tsan.sh [build folder] [gtest filter]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="${1:-$root/build/tsan}"
filter="${2:-NoticeSeries.*}"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
make -C "$dir" -j"${JOBS:-2}" unit_tests >"$dir/build.log" 2>&1 || { tail -n 30 "$dir/build.log"; exit 1; }
# Some kernels map memory where TSan does not expect it; without address randomisation
# its shadow layout always fits.
run=("$dir/unit_tests" --gtest_filter="$filter" --gtest_brief=1)
if command -v setarch >/dev/null; then run=(setarch "$(uname -m)" -R "${run[@]}"); fi
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "${run[@]}"

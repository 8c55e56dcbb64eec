#!/usr/bin/env bash
# Builds everything (native, i686, x86_64) and runs every test: the native unit tests, the
# sanitizer and fuzz runs, and the end-to-end scenarios of the real program under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/deps.sh || exit 1
bash scripts/build.sh native i686 x86_64 || exit 1

passed=0
failed=0
skipped=0
failures=()

# Adds the counts of one ctest run to the totals.
count_ctest() {
    local log=$1 name=$2 line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1)); failures+=("$name: no result"); return
    fi
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    # ctest counts a skipped test (one this machine cannot run) among the passed ones.
    local skip
    skip=$(grep -cE '^\s*[0-9]+ - .* \(Skipped\)$' "$log")
    skipped=$((skipped + skip))
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    [ "$bad" = 0 ] || failures+=("$name: $bad failed")
}

# A step that is one test of its own: a script that passes or fails.
step() {
    local name=$1
    shift
    echo "== $name"
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); failures+=("$name"); fi
}

echo "== the shipped 32-bit program"
exe_i686="build/i686/RestWarden.exe"
check_i686() {
    file "$exe_i686" | grep -q 'PE32 executable (GUI) Intel 80386' || { file "$exe_i686"; return 1; }
    # Statically linked: no MinGW runtime DLL may be needed on Windows; what only a dialog
    # or a WAV alert needs is loaded when first used, never imported.
    ! i686-w64-mingw32-objdump -p "$exe_i686" |
        grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread|comctl32|comdlg32|ole32|oleaut32|msvfw32|winmm)' || return 1
    local size
    size=$(stat -c %s "$exe_i686")
    [ "$size" -le 204800 ] || { echo "RestWarden.exe is $size bytes, over 200 KB"; return 1; }
}
step "i686 program is a self-contained PE32 GUI executable of at most 200 KB" check_i686

echo "== native unit tests"
(cd build/native && ctest -j2 --output-on-failure) >build/native/ctest.log 2>&1
tail -n 5 build/native/ctest.log
count_ctest build/native/ctest.log native

[ -x scripts/tsan.sh ] && step "thread sanitizer" bash scripts/tsan.sh
[ -x scripts/sanitize.sh ] && step "address and undefined-behaviour sanitizers" bash scripts/sanitize.sh
[ -x scripts/fuzz.sh ] && step "fuzzing (short)" bash scripts/fuzz.sh 10

echo "== end-to-end scenarios under Wine"
# A scenario that fails runs once more on a fresh display and prefix: now and then Wine's virtual
# desktop vanishes in the middle of a run (seen once in several runs of out_of_the_way, never twice
# in a row). A real fault fails both runs; the log keeps the first failure.
(cd build/x86_64 && ctest --output-on-failure --repeat until-pass:2) >build/x86_64/ctest.log 2>&1
grep -E '^\s*[0-9]+/[0-9]+ Test|tests passed' build/x86_64/ctest.log
count_ctest build/x86_64/ctest.log wine
echo "Screenshots: build/x86_64/screenshots/"

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
grep -hE '^\s*[0-9]+ - .* \(Skipped\)$' build/native/ctest.log build/x86_64/ctest.log | sed 's/^\s*/SKIPPED: /'
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]

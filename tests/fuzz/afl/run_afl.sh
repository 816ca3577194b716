#!/bin/bash
# Runs afl-fuzz on every target of the fuzzing executable, at most `jobs` at
# once, each for `seconds`, and prints per target its executions, crashes and
# new inputs. Crashing inputs are left in <out>/<target>/default/crashes/.
#   run_afl.sh <kelm_fuzz> <corpus folder> <out folder> <seconds> <jobs>
set -u
fuzzer=$(realpath "$1")
corpus=$(realpath "$2")
out=$3
seconds=$4
jobs=$5
mkdir -p "$out"
out=$(realpath "$out")
targets=$("$fuzzer" 2>&1 | sed -n 's/^targets: *//p')

export AFL_NO_UI=1 AFL_SKIP_CPUFREQ=1 AFL_NO_AFFINITY=1 AFL_FAST_CAL=1
export AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1 AFL_SUPPRESS_EXIT_TIME_WARNING=1
export ASAN_OPTIONS=abort_on_error=1:symbolize=0:detect_leaks=0:allocator_may_return_null=1
export UBSAN_OPTIONS=abort_on_error=1:halt_on_error=1:symbolize=0

# The files a target writes for each input, and afl-fuzz's current input, go
# to memory when /dev/shm is there: the file writers sync what they write,
# which on a disk costs more than the target itself.
scratchRoot=$out
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratchRoot=$(mktemp -d /dev/shm/kelm-fuzz-XXXXXX)
    trap 'rm -rf "$scratchRoot"' EXIT
fi

run() {
    local target=$1
    rm -rf "$out/$target"
    mkdir -p "$out/$target" "$scratchRoot/$target"
    KELM_FUZZ_SCRATCH="$scratchRoot/$target/scratch" AFL_TMPDIR="$scratchRoot/$target" \
        afl-fuzz -i "$corpus/$target" -o "$out/$target" -V "$seconds" -t 2000 -m none \
        -- "$fuzzer" "$target" @@ >"$out/$target/afl.log" 2>&1
    echo "finished $target"
}

running=0
for target in $targets; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
    run "$target" &
    running=$((running + 1))
done
wait

stat() { sed -n "s/^$2 *: *//p" "$1" 2>/dev/null | head -n 1; }
status=0
printf '\n%-16s %12s %10s %8s %11s\n' target executions "execs/s" crashes "new inputs"
for target in $targets; do
    stats="$out/$target/default/fuzzer_stats"
    if [ ! -f "$stats" ]; then
        printf '%-16s %s\n' "$target" "did not run: see $out/$target/afl.log"
        status=1
        continue
    fi
    execs=$(stat "$stats" execs_done)
    crashes=$(stat "$stats" saved_crashes)
    [ -n "$crashes" ] || crashes=$(stat "$stats" unique_crashes)
    found=$(stat "$stats" corpus_found)
    [ -n "$found" ] || found=$(stat "$stats" paths_found)
    seconds_run=$(($(stat "$stats" last_update) - $(stat "$stats" start_time)))
    [ "$seconds_run" -gt 0 ] || seconds_run=1
    printf '%-16s %12s %10s %8s %11s\n' "$target" "$execs" "$((execs / seconds_run))" "$crashes" "$found"
    [ "${crashes:-0}" -eq 0 ] || status=1
done
exit $status

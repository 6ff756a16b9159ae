#!/usr/bin/env bash
# Runs one fuzz target for SECONDS from its seed corpus and prints how many inputs it tried. Usage:
#   run-fuzz-target.sh TARGET SEED_FOLDER WORK_FOLDER SECONDS
# WORK_FOLDER keeps what the run learnt (corpus/, read again by the next run), its log and any input
# that failed (crashes/). Exit status 1 when an input failed a check or crashed the target.
set -uo pipefail
target="$1"
seeds="$2"
work="$3"
seconds="$4"
name="$(basename "$target")"

mkdir -p "$work/corpus" "$work/crashes"
# The file readers are fuzzed through real files; in memory they cost no disk writes.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
log="$work/fuzz.log"
# Replies and files are small: an input that needs more than 10 s or 2 GB is a fault of its own. Inputs
# grow to a little beyond the longest data file, so that files too long are tried as well.
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
    "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -max_len=9000 \
    -artifact_prefix="$work/crashes/" "$work/corpus" "$seeds" >"$log" 2>&1
status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
corpus=$(find "$work/corpus" -type f | wc -l)
if [ "$status" -ne 0 ]; then
    echo "$name: FAILED after ${executions:-?} executions (exit $status); log: $log"
    tail -n 60 "$log"
    for crash in "$work"/crashes/*; do
        [ -e "$crash" ] && echo "$name: failing input kept in $crash"
    done
    exit 1
fi
echo "$name: ${executions:-?} executions in ${seconds} s, no failure ($corpus inputs learnt)"

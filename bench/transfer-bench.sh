#!/usr/bin/env bash
# How close a full read and a full write of a radio come to the time their bytes need on the line.
# moxcps-cli talks to moxsim over a pseudo-terminal; moxsim paces both directions like a 9600-baud
# line (10 bits a byte) and stamps every request and reply. For each transfer the script prints the
# time from the first "PROGRAM" to the end acknowledgement, the wire time of every byte of requests
# and replies, and their ratio (goal: at most 1.02).
# Usage: bench/transfer-bench.sh [BUILD FOLDER [RUNS]]   (defaults: build, 1)
# With LOGS=folder the stamped transcripts of the last run are kept there. With TRACE=1 the tool
# records its serial traffic (--trace) while it is measured.
# The figures are only as good as the machine is quiet: a busy machine delays both processes.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
runs="${2:-1}"

source bench/private-install.sh

# Transfer time: first request read to last reply sent. Wire time: every byte of both directions.
report() {
    awk -v name="$1" '
        $2 == ">" || $2 == "<" {
            if (first == "") first = $1
            last = $1
            for (i = 3; i <= NF; i++) if ($i ~ /^[0-9A-F][0-9A-F]$/) bytes++
        }
        END {
            wire = bytes * 10 / 9600 * 1000
            took = last - first
            printf "%-6s %5d bytes  transfer %8.1f ms  wire %8.1f ms  ratio %.4f\n", name, bytes, took, wire, took / wire
        }' "$2"
}

trace_read=()
trace_write=()
if [ -n "${TRACE:-}" ]; then
    trace_read=(--trace "$work/read.trace")
    trace_write=(--trace "$work/write.trace")
fi

for _ in $(seq "$runs"); do
    start_simulator "$work/radio" --baud --transcript "$work/read.log" --timestamps
    "$cli" read --port "$work/radio" --yes "${trace_read[@]}" "$work/radio.dat" 2>/dev/null
    stop_simulators
    report read "$work/read.log"

    start_simulator "$work/radio" --baud --transcript "$work/write.log" --timestamps
    "$cli" write --port "$work/radio" --yes "${trace_write[@]}" "$work/radio.dat" 2>/dev/null
    stop_simulators
    report write "$work/write.log"
    if [ -n "${LOGS:-}" ]; then
        mkdir -p "$LOGS"
        cp "$work/read.log" "$work/write.log" "$LOGS/"
        [ -z "${TRACE:-}" ] || cp "$work/read.trace" "$work/write.trace" "$LOGS/"
    fi
    rm -f "$work/read.log" "$work/write.log"
done

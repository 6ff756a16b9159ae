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

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! log=$(cmake --build "$build" --target moxcps-cli moxsim mox_stage_dist -j 2 2>&1); then
    echo "$log" >&2
    exit 1
fi

# A private installation, so that the benchmark neither reads nor changes the staged settings.
work=$(mktemp -d)
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/V200/language" "$work/language"
# Backups and traces stay in the private installation too.
export XDG_DATA_HOME="$work/data"
cp "$build/stage/V200/moxcps-cli" "$work/V200/"
cp dist/language/*.ini "$work/V200/language/"
cp dist/root/Version.ini "$work/"
cp dist/root/mysetup.ini "$work/language/"

start_radio() {
    "$build/stage/V200/moxsim" --link "$work/radio" --baud --transcript "$1" --timestamps >/dev/null &
    sim_pid=$!
    for _ in $(seq 50); do
        [ -L "$work/radio" ] && return 0
        sleep 0.1
    done
    echo "moxsim did not start" >&2
    exit 1
}

stop_radio() {
    kill "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=
}

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

cli="$work/V200/moxcps-cli"
trace_read=()
trace_write=()
if [ -n "${TRACE:-}" ]; then
    trace_read=(--trace "$work/read.trace")
    trace_write=(--trace "$work/write.trace")
fi

for _ in $(seq "$runs"); do
    start_radio "$work/read.log"
    "$cli" read --port "$work/radio" --yes "${trace_read[@]}" "$work/radio.dat" 2>/dev/null
    stop_radio
    report read "$work/read.log"

    start_radio "$work/write.log"
    "$cli" write --port "$work/radio" --yes "${trace_write[@]}" "$work/radio.dat" 2>/dev/null
    stop_radio
    report write "$work/write.log"
    if [ -n "${LOGS:-}" ]; then
        mkdir -p "$LOGS"
        cp "$work/read.log" "$work/write.log" "$LOGS/"
        [ -z "${TRACE:-}" ] || cp "$work/read.trace" "$work/write.trace" "$LOGS/"
    fi
    rm -f "$work/read.log" "$work/write.log"
done

#!/usr/bin/env bash
# How much longer N radios on N ports take than one radio alone, when moxcps-cli writes them all at
# once. Each radio is a moxsim on a pseudo-terminal of its own that paces both directions like a
# 9600-baud line (10 bits a byte), so the line is the limit. For N = 1, 2, 4 and 8 the script writes
# all radios with one `moxcps-cli write --port ... --port ...` (N = 1: the plain write of one radio),
# measures the command from start to end, and reports it with its ratio to N = 1 (goal: at most 1.1
# for N = 8).
# Usage: bench/fleet-bench.sh [BUILD FOLDER [RUNS]]   (defaults: build, 1)
# With TABLE=1 the tool's table of the last run of each N is shown too.
# The figures are only as good as the machine is quiet: a busy machine delays the simulators.
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
sim_pids=()
stop_radios() {
    for pid in "${sim_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    sim_pids=()
}
cleanup() {
    stop_radios
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/V200/language" "$work/language"
export XDG_DATA_HOME="$work/data"
cp "$build/stage/V200/moxcps-cli" "$work/V200/"
cp dist/language/*.ini "$work/V200/language/"
cp dist/root/Version.ini "$work/"
cp dist/root/mysetup.ini "$work/language/"
cli="$work/V200/moxcps-cli"
"$cli" new --band 0 "$work/radio.dat"
# The links are numbered ports already, as a dealer's cables are: the run itself maps nothing.
printf '[ports]\n' >>"$work/language/mysetup.ini"
for i in $(seq 8); do
    printf 'COM%d=%s\n' "$i" "$work/radio$i" >>"$work/language/mysetup.ini"
done

start_radios() {
    for i in $(seq "$1"); do
        "$build/stage/V200/moxsim" --link "$work/radio$i" --baud >/dev/null &
        sim_pids+=($!)
    done
    for i in $(seq "$1"); do
        for _ in $(seq 50); do
            [ -L "$work/radio$i" ] && break
            sleep 0.1
        done
        [ -L "$work/radio$i" ] || { echo "moxsim did not start" >&2; exit 1; }
    done
}

# Seconds the whole command takes; fails unless every radio was written.
write_all() {
    local ports=()
    for i in $(seq "$1"); do
        ports+=(--port "$i")
    done
    local start end
    start=$(date +%s.%N)
    "$cli" write "${ports[@]}" --yes --no-backup "$work/radio.dat" 2>/dev/null >"$work/table"
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

single=
for n in 1 2 4 8; do
    total=0
    for _ in $(seq "$runs"); do
        start_radios "$n"
        took=$(write_all "$n")
        stop_radios
        total=$(awk -v a="$total" -v b="$took" 'BEGIN { print a + b }')
    done
    mean=$(awk -v t="$total" -v r="$runs" 'BEGIN { printf "%.2f", t / r }')
    [ -n "$single" ] || single=$mean
    awk -v n="$n" -v m="$mean" -v s="$single" \
        'BEGIN { printf "N=%d  all written in %6.2f s  ratio to one radio %.3f\n", n, m, m / s }'
    if [ -n "${TABLE:-}" ]; then
        cat "$work/table"
    fi
done

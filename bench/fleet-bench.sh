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

source bench/private-install.sh
"$cli" new --band 0 "$work/radio.dat"
# The links are numbered ports already, as a dealer's cables are: the run itself maps nothing.
printf '[ports]\n' >>"$work/language/mysetup.ini"
for i in $(seq 8); do
    printf 'COM%d=%s\n' "$i" "$work/radio$i" >>"$work/language/mysetup.ini"
done

start_radios() {
    for i in $(seq "$1"); do
        start_simulator "$work/radio$i" --baud
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
        stop_simulators
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

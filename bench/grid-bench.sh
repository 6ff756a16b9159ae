#!/usr/bin/env bash
# How fast the channel list shows a whole group again and changes group with all 128 channels in use,
# and a batch set-up over the 128 channels with the redraw after it:
# the median of 100 runs of each, painting included (goal: under 20 ms each). Also undo and redo of one
# step with a full history over the 128 channels and the channel list shown again (goal: under 5 ms). Runs on the offscreen
# platform unless QT_QPA_PLATFORM says otherwise (under xvfb-run: QT_QPA_PLATFORM=xcb).
# Usage: bench/grid-bench.sh [BUILD FOLDER]   (default: build)
# The figures are only as good as the machine is quiet.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! log=$(cmake --build "$build" --target moxgridbench mox_stage_dist -j 2 2>&1); then
    echo "$log" >&2
    exit 1
fi
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/moxgridbench" "$build/stage/V200"

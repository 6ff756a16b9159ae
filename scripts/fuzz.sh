#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ and runs each for SECONDS (default 60), all at once, from its
# seed corpus in tests/fuzz/corpus/. Prints each target's executions; exits non-zero when an input
# failed a check or crashed a target, keeping that input in build-fuzz/fuzz/<target>/crashes/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh 600 csv engine
# The fuzz targets need only the Qt-free core, so their folder holds the sanitizer build of the core
# alone: it builds in minutes and a long run does not touch the test builds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/install-deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOX_CORE_ONLY=ON -DMOX_TESTS=ON \
    -DMOX_SANITIZE=ON -DMOX_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_targets -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in tests/fuzz/*Fuzz.cpp; do
        name="$(basename "$source" Fuzz.cpp)"
        targets+=("$(echo "$name" | tr '[:upper:]' '[:lower:]')")
    done
fi

pids=()
for name in "${targets[@]}"; do
    tests/fuzz/run-fuzz-target.sh "build-fuzz/fuzz/fuzz_$name" "tests/fuzz/corpus/$name" \
        "build-fuzz/fuzz/$name" "$seconds" >"build-fuzz/fuzz/$name.result" 2>&1 &
    pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
    wait "${pids[$i]}" || failed=1
    cat "build-fuzz/fuzz/${targets[$i]}.result"
done
exit "$failed"

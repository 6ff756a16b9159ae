#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once normally with warnings as
# errors (build/, GCC), once under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, clang),
# where each fuzz target of tests/fuzz/ also runs for 10 seconds.
# Fails when clang-format would change a file. The build folders are reused between runs, and ccache
# serves what another checkout on this machine compiled already.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/check-format.sh

jobs=$(nproc)
scripts/build.sh build -DMOX_WERROR=ON -DMOX_TESTS=ON -DMOX_SANITIZE=OFF
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 300)

scripts/build.sh build-asan -DMOX_WERROR=ON -DMOX_TESTS=ON -DMOX_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 600)

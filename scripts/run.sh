#!/usr/bin/env bash
# Installs what is missing, builds and stages the runnable tree, then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DMOX_TESTS=OFF
exec build/stage/V200/moxcps "$@"

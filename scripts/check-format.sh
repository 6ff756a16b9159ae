#!/usr/bin/env bash
# Fails, naming the files, when clang-format would change any C++ file of ours.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
bad=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done
if [ ${#bad[@]} -ne 0 ]; then
    echo "clang-format would change these files (run: clang-format -i FILE):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi

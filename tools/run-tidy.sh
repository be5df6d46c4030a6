#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy (bugprone-*, performance-*) on every source of
# the program and its tools, from the compile commands of build/ (tools/build.sh makes them).
# A finding is an error. Sources given as arguments are checked instead of all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || bash tools/build.sh
if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files '*.cpp' | grep -v '^tests/\|^bench/')
fi
run-clang-tidy -p build -quiet -j "$(nproc)" "${files[@]}" > build/clang-tidy.txt 2>&1 || {
    grep -E 'error:|warning:' build/clang-tidy.txt | sort -u
    echo "clang-tidy found problems (build/clang-tidy.txt)" >&2
    exit 1
}
echo "clang-tidy: ${#files[@]} sources clean"

#!/usr/bin/env bash
# Checks that every C++ source of the repository is formatted by the repository's .clang-format;
# with --fix, formats them instead. Exit 1 when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
clang-format --dry-run -Werror "${files[@]}"
echo "formatting: ${#files[@]} files as .clang-format wants them"

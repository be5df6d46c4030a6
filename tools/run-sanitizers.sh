#!/usr/bin/env bash
# Builds the core library and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ and runs them: an overflow or a bad access fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFILMERIA_WERROR=ON -DFILMERIA_SANITIZE=ON \
      -DFILMERIA_BENCH=OFF >/dev/null
cmake --build build-sanitize --parallel "$(nproc)" --target core_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 build-sanitize/tests/core_tests

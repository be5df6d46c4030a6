#!/usr/bin/env bash
# Builds the core library, its tests and the fuzz targets with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs them: an overflow, a bad access or a
# broken property fails the run. FILMERIA_FUZZ_INPUTS sets the inputs per fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFILMERIA_WERROR=ON -DFILMERIA_SANITIZE=ON \
      -DFILMERIA_BENCH=OFF >/dev/null
cmake --build build-sanitize --parallel "$(nproc)" --target core_tests fuzz_targets
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
build-sanitize/tests/core_tests
for target in build-sanitize/tests/fuzz_*; do
    if [ -f "$target" ] && [ -x "$target" ]; then
        "$target" "${FILMERIA_FUZZ_INPUTS:-50000}"
    fi
done

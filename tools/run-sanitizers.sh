#!/usr/bin/env bash
# Builds the whole program, its tests and the fuzz targets with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer in build-sanitize/ and runs every test (the
# screens on the offscreen platform) and every fuzz target: an overflow, a bad access, undefined
# behaviour, a leak or a broken property fails the run. FILMERIA_FUZZ_INPUTS sets the inputs per
# fuzz target. Leaks the toolkit's libraries make once by design are listed in tools/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFILMERIA_WERROR=ON -DFILMERIA_SANITIZE=ON \
      -DFILMERIA_BENCH=OFF >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
for target in build-sanitize/tests/fuzz_*; do
    if [ -f "$target" ] && [ -x "$target" ]; then
        "$target" "${FILMERIA_FUZZ_INPUTS:-50000}"
    fi
done

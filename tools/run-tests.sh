#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (screens on the offscreen platform,
# one print through a real CUPS queue), under C.UTF-8 and again under it_IT.UTF-8, the locale
# of an Italian desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
source tools/print-queue.sh
start_print_queue
trap stop_print_queue EXIT
cd build
for locale in C.UTF-8 it_IT.UTF-8; do
    echo "Tests under $locale"
    LANG=$locale LC_ALL=$locale LANGUAGE= QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
done

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (screens on the offscreen platform,
# one print through a real CUPS queue).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
source tools/print-queue.sh
start_print_queue
trap stop_print_queue EXIT
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"

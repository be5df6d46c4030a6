#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (screens on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"

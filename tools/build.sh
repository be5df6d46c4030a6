#!/usr/bin/env bash
# Configures and builds Filmeria Pro in build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFILMERIA_WERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo folder build/demo and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
cmake --build build --target demo
exec build/demo/filmeria

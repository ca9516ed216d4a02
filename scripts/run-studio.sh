#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it on this desktop, passing on its arguments (a model).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTUDIO_TESTS=OFF -DSTUDIO_BENCHMARKS=OFF >/dev/null
cmake --build build --target studio -j "$(nproc)"
exec ./build/src/studio/studio "$@"

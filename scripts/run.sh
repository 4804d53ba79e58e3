#!/usr/bin/env bash
# Installs, builds (Release) and starts Veltrane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target veltrane
exec ./build/src/app/veltrane "$@"

#!/usr/bin/env bash
# Installs, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The core (document, optics, fitting, fields) builds without Qt; prove it.
cmake -S . -B build-core -DCMAKE_BUILD_TYPE=Release -DVELTRANE_GUI=OFF -DVELTRANE_TESTS=OFF >/dev/null
cmake --build build-core -j"$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTRANE_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600

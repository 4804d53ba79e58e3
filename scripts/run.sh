#!/usr/bin/env bash
# Installs, builds (Release) and starts Veltrane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --program build
# The program alone needs neither GoogleTest nor Google Benchmark; test.sh
# switches them on again in the same folder.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target veltrane
# Veltrane is a desktop program: say so when there is no display at all.
# A display that is named but cannot be opened the program reports itself.
case "${QT_QPA_PLATFORM:-}" in
"")
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "run.sh: Veltrane needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); start it from a desktop," \
             "or see the README for a display in memory" >&2
        exit 1
    fi
    # A Wayland session without X: Qt's own choice would try X first.
    if [ -z "${DISPLAY:-}" ]; then
        export QT_QPA_PLATFORM=wayland
    fi
    ;;
esac
exec ./build/src/app/veltrane "$@"

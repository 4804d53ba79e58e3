#!/usr/bin/env bash
# Installs, builds (Release) and starts Veltrane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target veltrane
# Veltrane is a desktop program. Without a display Qt only reports that no
# platform plugin could start; say what is missing instead.
platform="${QT_QPA_PLATFORM:-}"
case "$platform" in
"" | xcb* | wayland*)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "run.sh: Veltrane needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); start it from a desktop" >&2
        exit 1
    fi
    ;;
esac
exec ./build/src/app/veltrane "$@"

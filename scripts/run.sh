#!/usr/bin/env bash
# Installs, builds (Release) and starts Veltrane.
set -euo pipefail
cd "$(dirname "$0")/.."

# Veltrane is a desktop program: say so before installing and building when
# no display can be reached. An X server listens on its socket (a file, or
# in Linux's abstract namespace), or on TCP (ssh's forwarding, another host);
# a Wayland compositor on its socket. What only opening the display tells,
# such as a refused authorisation, the program reports itself.
x_listens() {
    local host=${DISPLAY%:*} number=${DISPLAY##*:}
    number=${number%%.*}
    [[ $number =~ ^[0-9]+$ ]] || return 0   # a form not known here: the program decides
    if [ -z "$host" ] || [ "$host" = unix ]; then
        [ -S "/tmp/.X11-unix/X$number" ] && return 0
        grep -q " @/tmp/.X11-unix/X$number\$" /proc/net/unix 2>/dev/null && return 0
        [ -z "$host" ] || return 1
        host=localhost
    fi
    timeout 5 bash -c 'exec 3<>"/dev/tcp/$0/$1"' "$host" $((6000 + number)) 2>/dev/null
}
wayland_listens() {
    local socket=$WAYLAND_DISPLAY
    [ "${socket:0:1}" = / ] || socket=${XDG_RUNTIME_DIR:-}/$socket
    [ -S "$socket" ]
}
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "run.sh: Veltrane needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); start it from a desktop," \
             "or see the README for a display in memory" >&2
        exit 1
    fi
    if [ -n "${DISPLAY:-}" ] && x_listens; then
        :
    elif [ -n "${WAYLAND_DISPLAY:-}" ] && wayland_listens; then
        # Wayland, and no X server that listens: Qt would try X first.
        export QT_QPA_PLATFORM=wayland
    else
        named=()
        [ -z "${DISPLAY:-}" ] || named+=("DISPLAY=$DISPLAY")
        [ -z "${WAYLAND_DISPLAY:-}" ] || named+=("WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
        echo "run.sh: no display could be opened (${named[*]}); start Veltrane from a desktop," \
             "or see the README for a display in memory" >&2
        exit 1
    fi
fi

bash scripts/setup.sh --program build
# The program alone needs neither GoogleTest nor Google Benchmark; test.sh
# switches them on again in the same folder.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target veltrane
exec ./build/src/app/veltrane "$@"

#!/usr/bin/env bash
# Started with a display that cannot be opened, the program says so in one
# line and ends, rather than passing on Qt's advice to reinstall it. run.sh
# says so before it installs or builds anything, and with a display that
# listens it still builds and starts the program.
set -uo pipefail
program=$1
repo=$(cd "$2" && pwd)
failures=0
err=$(env -u WAYLAND_DISPLAY DISPLAY=:9999 QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
rc=$?
expected="Veltrane: no display could be opened; start it in a graphical session (X11 or Wayland)"
if [ "$rc" -ne 1 ] || [ "$err" != "$expected" ]; then
    printf 'the program: exit code %s, output:\n%s\n' "$rc" "$err"
    failures=$((failures + 1))
fi

# run.sh in a copy whose set-up, cmake and program only note that they ran;
# cmake prints what a build prints.
work=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/tree/build/src/app" "$work/bin" "$work/run"
cp "$repo/scripts/run.sh" "$work/tree/scripts/"
echo "#!/bin/sh
echo \"setup.sh \$*\" >>$work/ran" >"$work/tree/scripts/setup.sh"
echo "#!/bin/sh
echo \"cmake \$*\" >>$work/ran
for i in \$(seq 72); do echo \"[ \$i%] Building CXX object\"; done" >"$work/bin/cmake"
echo "#!/bin/sh
echo \"veltrane \$* QT_QPA_PLATFORM=\${QT_QPA_PLATFORM:-}\" >>$work/ran" >"$work/tree/build/src/app/veltrane"
chmod 755 "$work/bin/cmake" "$work/tree/build/src/app/veltrane"

# An X server on a free display number, on its socket and on TCP.
Xvfb -displayfd 3 -listen tcp -screen 0 64x64x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
n=$(cat "$work/display")
if [ -z "$n" ]; then
    printf 'Xvfb did not start:\n%s\n' "$(cat "$work/xvfb.log")"
    exit 1
fi
# A Wayland socket by its name in XDG_RUNTIME_DIR; the X server's stands in.
ln -s "/tmp/.X11-unix/X$n" "$work/run/wayland-0"

run() {  # name, expected output, expected calls (none: nothing ran), environment...
    local name=$1 expected=$2 calls=$3 out rc
    shift 3
    : >"$work/ran"
    out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR PATH="$work/bin:$PATH" "$@" \
          bash "$work/tree/scripts/run.sh" -x 2>&1 </dev/null)
    rc=$?
    if [ "$out" != "$expected" ] || [ "$(cat "$work/ran")" != "$calls" ] || [ "$rc" -ne $([ -n "$calls" ]; echo $?) ]; then
        # Where the build ran, its 72 lines are too many to show.
        printf 'run.sh, %s: exit code %s, output (%s lines):\n%s\ncalled:\n%s\nexpected (%s lines):\n%s\ncalled:\n%s\n' \
            "$name" "$rc" "$(wc -l <<<"$out")" "$(head -3 <<<"$out")" "$(cat "$work/ran")" \
            "$(wc -l <<<"$expected")" "$(head -3 <<<"$expected")" "$calls"
        failures=$((failures + 1))
    fi
}
none="run.sh: Veltrane needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); start it from a desktop, or see\
 the README for a display in memory"
closed() { echo "run.sh: no display could be opened ($*); start Veltrane from a desktop, or see the README for a display in memory"; }
run "no display" "$none" ""
run "no X server" "$(closed DISPLAY=:9999)" "" DISPLAY=:9999
run "no X server on TCP" "$(closed DISPLAY=localhost:9999.0)" "" DISPLAY=localhost:9999.0
run "no Wayland socket" "$(closed WAYLAND_DISPLAY=wayland-1)" "" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=wayland-1
run "neither" "$(closed DISPLAY=:9999 WAYLAND_DISPLAY=wayland-1)" "" DISPLAY=:9999 XDG_RUNTIME_DIR="$work/run" \
    WAYLAND_DISPLAY=wayland-1

build=$(seq 72 | sed 's/.*/[ &%] Building CXX object/')
built() {
    printf '%s\n' "setup.sh --program build" \
        "cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF" \
        "cmake --build build -j$(nproc) --target veltrane" "veltrane -x QT_QPA_PLATFORM=${1:-}"
}
run "X" "$build" "$(built)" DISPLAY=":$n"
run "X on TCP" "$build" "$(built)" DISPLAY="localhost:$n.0"
run "Wayland" "$build" "$(built wayland)" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=wayland-0
run "Wayland, no X server" "$build" "$(built wayland)" DISPLAY=:9999 XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=wayland-0
run "a platform named" "$build" "$(built offscreen)" QT_QPA_PLATFORM=offscreen
exit "$failures"

#!/usr/bin/env bash
# Started with a display that cannot be opened, the program says so in one
# line and ends, rather than passing on Qt's advice to reinstall it.
set -uo pipefail
program=$1
err=$(env -u WAYLAND_DISPLAY DISPLAY=:9999 QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
rc=$?
expected="Veltrane: no display could be opened; start it in a graphical session (X11 or Wayland)"
if [ "$rc" -ne 1 ] || [ "$err" != "$expected" ]; then
    printf 'exit code %s, output:\n%s\n' "$rc" "$err"
    exit 1
fi

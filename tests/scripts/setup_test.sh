#!/usr/bin/env bash
# setup.sh for a user who cannot install: one line names exactly what is
# missing and the one command that installs it, and no password is asked.
# A build folder left by root is named with the command that removes it.
# System commands are stubbed; the script itself is the real one.
set -euo pipefail
repo=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -p "$work/stubs" "$work/copy/scripts"
cp "$repo/scripts/setup.sh" "$work/copy/scripts/"

# Every package is there but those in STUB_MISSING; the German locale only
# with STUB_LOCALE; sudo wants a password.
cat >"$work/stubs/dpkg-query" <<'X'
#!/bin/sh
for p in $STUB_MISSING; do case "$*" in *" $p") exit 1 ;; esac; done
printf 'install ok installed'
X
cat >"$work/stubs/locale" <<'X'
#!/bin/sh
echo C.UTF-8
[ -z "$STUB_LOCALE" ] || echo de_DE.utf8
X
cat >"$work/stubs/sudo" <<'X'
#!/bin/sh
echo "sudo: a password is required" >&2
exit 1
X
chmod 755 "$work/stubs"/*

# As an ordinary user: root would simply install.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)

failures=0
check() {  # name, missing packages, locale present (1/empty), expected line, build folders...
    local name=$1 missing=$2 loc=$3 expected=$4
    shift 4
    local out rc=0
    out=$(cd "$work" && "${as_user[@]}" env PATH="$work/stubs:$PATH" STUB_MISSING="$missing" STUB_LOCALE="$loc" \
          bash "$work/copy/scripts/setup.sh" "$@" 2>&1 </dev/null) || rc=$?
    if [ "$rc" -ne 1 ] || [ "$out" != "$expected" ]; then
        printf '%s: exit code %s, output:\n%s\nexpected:\n%s\n' "$name" "$rc" "$out" "$expected"
        failures=$((failures + 1))
    fi
}
install="install it once as an administrator with: sudo bash $work/copy/scripts/setup.sh (it only installs; then run this command again as yourself)"
check "only the locale" "" "" "setup.sh: missing the locale de_DE.UTF-8; $install"
check "one package" "qt6-wayland" 1 "setup.sh: missing the Debian packages qt6-wayland; $install"
check "both" "cmake qt6-wayland" "" \
    "setup.sh: missing the Debian packages cmake qt6-wayland and the locale de_DE.UTF-8; $install"

if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$work/copy/build"
    touch "$work/copy/build/CMakeCache.txt"
    chmod 755 "$work/copy" "$work/copy/build"
    check "a folder of root's" "" 1 \
        "setup.sh: $work/copy/build cannot be written (made by a build as root?); remove once with: sudo rm -rf $work/copy/build" build
fi
exit "$failures"

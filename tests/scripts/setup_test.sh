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
mkdir -p "$work/stubs" "$work/nosudo" "$work/copy/scripts"
cp "$repo/scripts/setup.sh" "$work/copy/scripts/"

# Every package is there but those in STUB_MISSING; the German locale only
# with STUB_LOCALE; sudo wants a password; apt-get notes what it was asked.
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
echo "#!/bin/sh
echo \"\$*\" >>$work/apt.log" >"$work/stubs/apt-get"
chmod 755 "$work/stubs"/*
# A system without sudo: the stubs and the few commands setup.sh calls.
cp "$work/stubs/dpkg-query" "$work/stubs/locale" "$work/nosudo/"
for c in bash dirname id grep find; do ln -s "$(command -v "$c")" "$work/nosudo/$c"; done

# As an ordinary user: root would simply install.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)

failures=0
check() {  # name, missing packages, locale present (1/empty), expected line (none: passes), setup.sh arguments...
    local name=$1 missing=$2 loc=$3 expected=$4
    shift 4
    local out rc=0 want=1
    [ -n "$expected" ] || want=0
    out=$(cd "$work" && "${as_user[@]}" env PATH="${bin:-$work/stubs:$PATH}" STUB_MISSING="$missing" STUB_LOCALE="$loc" \
          bash "$work/copy/scripts/setup.sh" "$@" 2>&1 </dev/null) || rc=$?
    if [ "$rc" -ne "$want" ] || [ "$out" != "$expected" ]; then
        printf '%s: exit code %s, output:\n%s\nexpected:\n%s\n' "$name" "$rc" "$out" "$expected"
        failures=$((failures + 1))
    fi
}
script="$work/copy/scripts/setup.sh"
install="install it once as an administrator with: sudo bash $script (it only installs; then run this command again as yourself)"
check "only the locale" "" "" "setup.sh: missing the locale de_DE.UTF-8; $install"
check "one package" "qt6-wayland" 1 "setup.sh: missing the Debian packages qt6-wayland; $install"
check "both" "cmake qt6-wayland" "" \
    "setup.sh: missing the Debian packages cmake qt6-wayland and the locale de_DE.UTF-8; $install"
bin="$work/nosudo" check "both, no sudo" "cmake" "" "setup.sh: missing the Debian packages cmake and the locale de_DE.UTF-8;\
 install it once as an administrator with: su - -c 'bash $script' (it only installs; then run this command again as yourself)"

# The program alone asks for neither the test packages nor the locale.
check "program, test parts missing" "libgtest-dev poppler-utils xvfb" "" "" --program
check "program, a build package missing" "qt6-base-dev libgtest-dev" "" "setup.sh: missing the Debian packages\
 qt6-base-dev; install it once as an administrator with: sudo bash $script --program (it only installs; then run\
 this command again as yourself)" --program

if [ "$(id -u)" -eq 0 ]; then
    # The user's build folder after a build as root: the files CMake's
    # configure step replaced whole do not stop the user's next build ...
    build="$work/copy/build"
    mkdir -p "$build/CMakeFiles/pkgRedirects" "$build/src/CMakeFiles/a.dir"
    touch "$build/CMakeCache.txt" "$build/Makefile" "$build/src/CMakeFiles/a.dir/depend.make"
    chown -R 65534:65534 "$build"
    chown 0:0 "$build/CMakeFiles/pkgRedirects" "$build/CMakeCache.txt" "$build/Makefile" \
              "$build/src/CMakeFiles/a.dir/depend.make"
    check "root's configure files" "" 1 "" build
    # ... but a dependency file the compiler rewrites in place does, and so
    # does a folder of root's.
    touch "$build/src/CMakeFiles/a.dir/a.cpp.o.d"
    check "a file of root's" "" 1 \
        "setup.sh: $build cannot be written (made by a build as root?); remove once with: sudo rm -rf $build" build
    rm "$build/src/CMakeFiles/a.dir/a.cpp.o.d"
    mkdir "$build/bench"
    bin="$work/nosudo" check "a folder of root's, no sudo" "" 1 \
        "setup.sh: $build cannot be written (made by a build as root?); remove once with: su - -c 'rm -rf $build'" build

    # Through plain `su -c` root keeps the user's PATH without /usr/sbin, and
    # still installs and generates the locale. /etc and /usr/sbin are stand-ins.
    if unshare -m true 2>/dev/null; then
        mkdir -p "$work/etc" "$work/sbin"
        echo '# de_DE.UTF-8 UTF-8' >"$work/etc/locale.gen"
        echo "#!/bin/sh
echo generated >$work/generated" >"$work/sbin/locale-gen"
        chmod 755 "$work/sbin/locale-gen"
        rc=0
        unshare -m bash -c 'mount --bind "$1/etc" /etc && mount --bind "$1/sbin" /usr/sbin &&
                            exec env PATH="$1/stubs:/usr/local/bin:/usr/bin:/bin" STUB_MISSING=cmake STUB_LOCALE= \
                                 bash "$1/copy/scripts/setup.sh"' - "$work" >"$work/su.out" 2>&1 </dev/null || rc=$?
        if [ "$rc" -ne 0 ] || ! grep -q 'install -y -qq --no-install-recommends cmake$' "$work/apt.log" ||
           [ ! -e "$work/generated" ] || ! grep -qx 'de_DE.UTF-8 UTF-8' "$work/etc/locale.gen"; then
            printf 'as root by su -c: exit code %s, output:\n%s\n' "$rc" "$(cat "$work/su.out")"
            failures=$((failures + 1))
        fi
    fi
fi
exit "$failures"

#!/usr/bin/env bash
# setup.sh for a user who cannot install: one line names exactly what is
# missing and the one command that installs it, sudo's where this user may use
# sudo and su's where not, and no password is asked. A build folder that root
# left unwritable for the user's build is named with the command that removes
# it; one in which root only replaced files passes. System commands are
# stubbed; the script itself is the real one.
set -euo pipefail
repo=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -p "$work/stubs" "$work/nosudo" "$work/copy/scripts"
cp "$repo/scripts/setup.sh" "$work/copy/scripts/"

# Every package is there but those in STUB_MISSING; the German locale only
# with STUB_LOCALE; apt-get notes what it was asked. sudo answers as it does
# for a user in the sudoers with a password (STUB_SUDO unset), one outside
# them (denied) or one with NOPASSWD (nopasswd), in German unless told
# otherwise by LC_ALL, and notes every call; asked without -n it would prompt.
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
cat >"$work/stubs/sudo" <<X
#!/bin/sh
echo "\$*" >>$work/sudo.log
X
cat >>"$work/stubs/sudo" <<'X'
[ "$1" = -n ] || { echo "sudo: prompted for a password" >&2; exit 1; }
shift
case ${LC_ALL:-$LANG} in
de*) password="sudo: Ein Passwort ist notwendig"
     denied="Leider darf der Benutzer $(id -un) sudo für $(uname -n) nicht verwenden." ;;
*)   password="sudo: a password is required"
     denied="Sorry, user $(id -un) may not run sudo on $(uname -n)." ;;
esac
case $STUB_SUDO in
nopasswd) [ "$1" = -v ] || exec "$@" ;;
denied) if [ "$1" = -v ]; then echo "$denied" >&2; else echo "$password" >&2; fi; exit 1 ;;
*) echo "$password" >&2; exit 1 ;;
esac
X
echo "#!/bin/sh
echo \"\$*\" >>$work/apt.log" >"$work/stubs/apt-get"
chmod 755 "$work/stubs"/*
touch "$work/apt.log" "$work/sudo.log"
chmod 666 "$work/apt.log" "$work/sudo.log"
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
          STUB_SUDO="${sudo_mode:-}" LANG=de_DE.UTF-8 bash "$work/copy/scripts/setup.sh" "$@" 2>&1 </dev/null) || rc=$?
    if [ "$rc" -ne "$want" ] || [ "$out" != "$expected" ]; then
        printf '%s: exit code %s, output:\n%s\nexpected:\n%s\n' "$name" "$rc" "$out" "$expected"
        failures=$((failures + 1))
    fi
}
script="$work/copy/scripts/setup.sh"
then_again="(it only installs; then run this command again as yourself)"
install="install it once as an administrator with: sudo bash $script $then_again"
su_install="install it once as an administrator with: su - -c 'bash $script' $then_again"
check "only the locale" "" "" "setup.sh: missing the locale de_DE.UTF-8; $install"
check "one package" "qt6-wayland" 1 "setup.sh: missing the Debian packages qt6-wayland; $install"
check "both" "cmake qt6-wayland" "" \
    "setup.sh: missing the Debian packages cmake qt6-wayland and the locale de_DE.UTF-8; $install"
bin="$work/nosudo" check "both, no sudo" "cmake" "" \
    "setup.sh: missing the Debian packages cmake and the locale de_DE.UTF-8; $su_install"
# sudo installed, but this user is not in the sudoers: sudo's line would end
# in "not in the sudoers file".
sudo_mode=denied check "both, not in the sudoers" "cmake" "" \
    "setup.sh: missing the Debian packages cmake and the locale de_DE.UTF-8; $su_install"
sudo_mode=denied check "program, not in the sudoers" "qt6-base-dev" "" "setup.sh: missing the Debian packages\
 qt6-base-dev; install it once as an administrator with: su - -c 'bash $script --program' $then_again" --program
# With sudo that needs no password setup.sh installs by itself.
: >"$work/apt.log"
sudo_mode=nopasswd check "one package, sudo without a password" "cmake" 1 ""
if ! grep -qx 'install -y -qq --no-install-recommends cmake' "$work/apt.log"; then
    printf 'sudo without a password: apt-get was asked:\n%s\n' "$(cat "$work/apt.log")"
    failures=$((failures + 1))
fi

# The program alone asks for neither the test packages nor the locale.
check "program, test parts missing" "libgtest-dev poppler-utils xvfb" "" "" --program
check "program, a build package missing" "qt6-base-dev libgtest-dev" "" "setup.sh: missing the Debian packages\
 qt6-base-dev; install it once as an administrator with: sudo bash $script --program $then_again" --program

if [ "$(id -u)" -eq 0 ]; then
    # The user's build folder after root's test.sh over it: root's files that
    # the user's next build replaces whole do not stop it ...
    build="$work/copy/build"
    replaced=(CMakeCache.txt Makefile CMakeFiles/Makefile2 Testing/Temporary/LastTest.log
              Testing/Temporary/CTestCostData.txt src/CMakeFiles/a.dir/depend.make src/CMakeFiles/a.dir/a.cpp.o
              src/CMakeFiles/a.dir/a_autogen/mocs_compilation.cpp.o src/CMakeFiles/a_autogen.dir/ParseCache.txt
              src/CMakeFiles/a_res.dir/.rcc/qrc_help.cpp.o src/liba.a tests/a_tests)
    in_place=(src/CMakeFiles/a.dir/a.cpp.o.d src/a_autogen/include/moc_a.cpp src/a_autogen/include/moc_a.cpp.d
              src/a_autogen/mocs_compilation.cpp src/.rcc/help.qrc src/.rcc/qrc_help.cpp 'tests/a_tests[1]_include.cmake'
              'tests/a_tests[1]_tests.cmake' src/CMakeFiles/a.dir/cmake_clean.cmake CMakeFiles/cmake.check_cache
              CMakeFiles/cmake.verify_globs)
    for f in "${replaced[@]}" "${in_place[@]}"; do
        mkdir -p "$(dirname "$build/$f")"
        touch "$build/$f"
    done
    mkdir -p "$build/CMakeFiles/pkgRedirects" "$build/tests/CMakeFiles/b.dir"
    chown -R 65534:65534 "$build"
    (cd "$build" && chown 0:0 "${replaced[@]}" CMakeFiles/pkgRedirects)
    check "root's files that are replaced whole" "" 1 "" build
    # ... but a file of root's that it writes or touches in place does, and
    # so does a folder of root's, in which it must create files: the folder
    # of a target root built first, CTest's.
    refused="setup.sh: $build cannot be written (made by a build as root?); remove once with:"
    for f in "${in_place[@]}" tests/CMakeFiles/b.dir Testing/Temporary; do
        chown 0:0 "$build/$f"
        check "root's $f" "" 1 "$refused sudo rm -rf $build" build
        chown 65534:65534 "$build/$f"
    done
    chown 0:0 "$build/src/CMakeFiles/a.dir"
    sudo_mode=denied check "a folder of root's, not in the sudoers" "" 1 "$refused su - -c 'rm -rf $build'" build
    bin="$work/nosudo" check "a folder of root's, no sudo" "" 1 "$refused su - -c 'rm -rf $build'" build
    sudo_mode=nopasswd check "a folder of root's, sudo without a password" "" 1 "$refused sudo rm -rf $build" build

    # Through plain `su -c` root keeps the user's PATH without /usr/sbin, and
    # still installs and generates the locale, never through sudo. /etc and
    # /usr/sbin are stand-ins.
    if unshare -m true 2>/dev/null; then
        mkdir -p "$work/etc" "$work/sbin"
        echo '# de_DE.UTF-8 UTF-8' >"$work/etc/locale.gen"
        echo "#!/bin/sh
echo generated >$work/generated" >"$work/sbin/locale-gen"
        chmod 755 "$work/sbin/locale-gen"
        : >"$work/apt.log"
        : >"$work/sudo.log"
        rc=0
        unshare -m bash -c 'mount --bind "$1/etc" /etc && mount --bind "$1/sbin" /usr/sbin &&
                            exec env PATH="$1/stubs:/usr/local/bin:/usr/bin:/bin" STUB_MISSING=cmake STUB_LOCALE= \
                                 bash "$1/copy/scripts/setup.sh"' - "$work" >"$work/su.out" 2>&1 </dev/null || rc=$?
        if [ "$rc" -ne 0 ] || ! grep -q 'install -y -qq --no-install-recommends cmake$' "$work/apt.log" ||
           [ ! -e "$work/generated" ] || ! grep -qx 'de_DE.UTF-8 UTF-8' "$work/etc/locale.gen" || [ -s "$work/sudo.log" ]; then
            printf 'as root by su -c: exit code %s, output:\n%s\nsudo was asked:\n%s\n' "$rc" "$(cat "$work/su.out")" \
                "$(cat "$work/sudo.log")"
            failures=$((failures + 1))
        fi
    fi
fi
# sudo never waits for a password that nobody can type.
if grep -v '^-n ' "$work/sudo.log"; then
    echo "sudo was called without -n"
    failures=$((failures + 1))
fi
exit "$failures"

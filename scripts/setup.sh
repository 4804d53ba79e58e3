#!/usr/bin/env bash
# Installs what Veltrane needs to build and test on Debian 12, and nothing
# when everything is there. Runs without a terminal; uses sudo only when not
# root, and only when it needs no password.
#
#   setup.sh [--program] [build folder ...]
#
# --program installs only what building and running the program needs, not
# what the tests need. The folders named are checked for what a build as
# root leaves there that the user's build cannot write ("Permission denied").
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program_only=false
if [ "${1:-}" = --program ]; then program_only=true; shift; fi

# Plain `su -c` keeps the user's PATH, which lacks the sbin folders that
# locale-gen and dpkg's helpers live in.
if [ "$(id -u)" -eq 0 ]; then PATH="$PATH:/usr/local/sbin:/usr/sbin:/sbin"; fi

# fonts-liberation2 gives the fixed-pitch texts the same metrics everywhere;
# qt6-wayland lets the program start in a Wayland session; poppler-utils
# renders the printed PDF pages the plot tests look at; xvfb and xauth give a
# display to look at the windows without a desktop.
packages=(g++ cmake make qt6-base-dev qt6-wayland libgl-dev fonts-liberation2)
$program_only || packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth locales poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The tests run number formatting under a German locale as well.
need_locale=false
if ! $program_only && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then need_locale=true; fi

# The command an administrator runs: sudo where this user may use it, else
# su's login shell, which starts from root's own PATH and home. Without a
# password, sudo -n -v tells the two apart only by its message: "a password
# is required" for a user in the sudoers, "may not run sudo" for one outside
# (sudo -n true says the former to both). sudo translates its messages.
may_sudo() {
    local said
    command -v sudo >/dev/null || return 1
    said=$(LC_ALL=C sudo -n -v 2>&1) || [[ $said == *"a password is required"* ]]
}
as_admin() {
    if may_sudo; then echo "sudo $*"; else echo "su - -c '$*'"; fi
}

if [ ${#missing[@]} -gt 0 ] || $need_locale; then
    # sudo passes no environment on, so the variable that keeps apt from
    # asking goes on its command line.
    if [ "$(id -u)" -eq 0 ]; then
        as_root=(env DEBIAN_FRONTEND=noninteractive)
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        as_root=(sudo -n env DEBIAN_FRONTEND=noninteractive)
    else
        what="${missing[*]:+the Debian packages ${missing[*]}}"
        if $need_locale; then what="${what:+$what and }the locale de_DE.UTF-8"; fi
        mode=()
        if $program_only; then mode=(--program); fi
        echo "setup.sh: missing $what; install it once as an administrator with:" \
             "$(as_admin bash "$(printf %q "$here/scripts/setup.sh")" "${mode[@]}")" \
             "(it only installs; then run this command again as yourself)" >&2
        exit 1
    fi
    if [ ${#missing[@]} -gt 0 ]; then
        "${as_root[@]}" apt-get update -qq
        "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
    fi
    if $need_locale; then
        "${as_root[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
            echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
        "${as_root[@]}" locale-gen >/dev/null
    fi
fi

# A build as root over the user's build leaves root's files behind. Nearly
# all are replaced whole by the user's next build (written anew and renamed,
# or removed and created again: objects, archives, executables, CMake's and
# CTest's own files), which the user's folder allows. What fails is a folder
# of root's, as CMake writes in every target's folder at each configure and
# the build and CTest create files in theirs (pkgRedirects excepted, which
# CMake tries to remove and carries on without), and a file of root's that
# is written or touched in place: dependency files, moc's and rcc's output
# and rcc's resource list, GoogleTest's test lists, CMake's clean scripts
# and stamps. The objects compiled from moc's and rcc's output lie among
# them but are replaced whole.
in_place=(\( -name '*.d' -o -path '*_autogen/*' -o -path '*/.rcc/*' -o -name '*_include.cmake' -o -name '*_tests.cmake'
          -o -name 'cmake_clean*.cmake' -o -name cmake.check_cache -o -name cmake.verify_globs \) ! -name '*.o')
unwritable=()
for folder in "$@"; do
    dir="$here/$folder"
    [ -e "$dir" ] || continue
    if [ -n "$(find "$dir" ! -writable \( -type d ! -name pkgRedirects -o ! -type d "${in_place[@]}" \) \
               -print -quit 2>/dev/null)" ]; then
        unwritable+=("$(printf %q "$dir")")
    fi
done
if [ ${#unwritable[@]} -gt 0 ]; then
    echo "setup.sh: ${unwritable[*]} cannot be written (made by a build as root?); remove once with:" \
         "$(as_admin rm -rf "${unwritable[@]}")" >&2
    exit 1
fi

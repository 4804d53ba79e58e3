#!/usr/bin/env bash
# Installs what Veltrane needs to build and test on Debian 12, and nothing
# when everything is there. Runs without a terminal; uses sudo only when not
# root, and only when it needs no password.
#
#   setup.sh [--program] [build folder ...]
#
# --program installs only what building and running the program needs, not
# what the tests need. The folders named are checked for files of another
# user that a build would have to write: a build as root leaves such files,
# and they fail every later build of the user with "Permission denied".
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

# The command an administrator runs: sudo where it is installed, else su's
# login shell, which starts from root's own PATH and home.
as_admin() {
    if command -v sudo >/dev/null; then echo "sudo $*"; else echo "su - -c '$*'"; fi
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

# A build as root over the user's build leaves root's files behind. Those
# that CMake's configure step writes are replaced whole, which a writable
# folder allows. Others, such as the compiler's dependency files and the
# test lists, are rewritten in place, and a folder of root's takes no new file.
replaced=(-name Makefile -o -name Makefile2 -o -name Makefile.cmake -o -name '*.make' -o -name progress.marks
          -o -name compiler_depend.internal -o -name TargetDirectories.txt -o -name CMakeRuleHashes.txt
          -o -name compile_commands.json -o -name CMakeCache.txt -o -name link.txt -o -name cmake_install.cmake
          -o -name VerifyGlobs.cmake)
unwritable=()
for folder in "$@"; do
    dir="$here/$folder"
    [ -e "$dir" ] || continue
    # CMake recreates its empty pkgRedirects folder at every configure.
    if [ ! -w "$dir" ] || [ -n "$(find "$dir" ! -writable \( -type d ! -name pkgRedirects -o ! -type d ! \( "${replaced[@]}" \) \) \
                                        -print -quit 2>/dev/null)" ]; then
        unwritable+=("$(printf %q "$dir")")
    fi
done
if [ ${#unwritable[@]} -gt 0 ]; then
    echo "setup.sh: ${unwritable[*]} cannot be written (made by a build as root?); remove once with:" \
         "$(as_admin rm -rf "${unwritable[@]}")" >&2
    exit 1
fi

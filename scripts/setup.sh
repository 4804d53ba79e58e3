#!/usr/bin/env bash
# Installs what Veltrane needs to build and test on Debian 12, and nothing
# when everything is there. Runs without a terminal; uses sudo only when not
# root, and only when it needs no password.
#
#   setup.sh [build folder ...]
#
# The folders named are checked to be writable: a folder left by a build
# as root would fail every later build of the user with "Permission denied".
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

# poppler-utils renders the printed PDF pages the plot tests look at; xvfb
# and xauth give a display to look at the windows without a desktop;
# qt6-wayland lets the program start in a Wayland session.
packages=(g++ cmake make qt6-base-dev qt6-wayland libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth locales poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The tests run number formatting under a German locale as well.
need_locale=false
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=true

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
        if command -v sudo >/dev/null; then
            command="sudo bash $here/scripts/setup.sh"
        else
            command="su -c 'bash $here/scripts/setup.sh'"
        fi
        echo "setup.sh: missing $what; install it once as an administrator with: $command" \
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

unwritable=()
for folder in "$@"; do
    dir="$here/$folder"
    if [ -e "$dir" ] && { [ ! -w "$dir" ] || [ -n "$(find "$dir" ! -writable -print -quit 2>/dev/null)" ]; }; then
        unwritable+=("$dir")
    fi
done
if [ ${#unwritable[@]} -gt 0 ]; then
    echo "setup.sh: ${unwritable[*]} cannot be written (made by a build as root?); remove once with:" \
         "sudo rm -rf ${unwritable[*]}" >&2
    exit 1
fi

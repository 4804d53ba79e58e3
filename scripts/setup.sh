#!/usr/bin/env bash
# Installs what Veltrane needs to build and test on Debian 12, and nothing
# when everything is there. Runs without a terminal; uses sudo only when not
# root.
set -euo pipefail

# poppler-utils renders the printed PDF pages the plot tests look at; xvfb
# and xauth give a display to look at the windows without a desktop.
packages=(g++ cmake make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth locales poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The tests run number formatting under a German locale as well.
need_locale=false
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=true

if [ ${#missing[@]} -eq 0 ] && ! $need_locale; then
    exit 0
fi
# sudo passes no environment on, so the variable that keeps apt from asking
# goes on its command line.
if [ "$(id -u)" -eq 0 ]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
    echo "setup.sh: packages must be installed: run it as root, or install sudo" >&2
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

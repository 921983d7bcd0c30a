#!/usr/bin/env bash
# Installs, from Debian's own packages, whatever the build, the tests and the
# program need and the machine does not have yet. Safe to run again and again.
set -euo pipefail

packages=(
    # compiler and build
    g++ make cmake pkg-config
    # Qt 6 (widgets, printing, network, SVG, tests) and what its CMake files ask for
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    # the faces that stand in for the Windows fonts of the window designs
    fonts-liberation2 fonts-dejavu-core
    # reading printed PDF back in the tests
    poppler-utils
    # packaging: the package's library list (dpkg-shlibdeps) and the desktop-entry/metainfo validators
    dpkg-dev desktop-file-utils appstream
    # screenshots under a virtual X server
    xvfb xauth x11-utils xdotool imagemagick
    # the start-up watcher (X events, XDamage) of the start-up test and benchmark
    libx11-dev libxdamage-dev libxfixes-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

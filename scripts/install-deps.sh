#!/usr/bin/env bash
# Installs, from Debian's own packages, whatever the build, the tests, the sanitizer run, the
# benchmark, the packaging and the fresh-root check need and the machine does not have yet.
# Needs only bash, dpkg and apt-get (no make): safe to run again and again, asks nothing.
set -euo pipefail

packages=(
    # compiler and build (the sanitizer runtimes come with g++)
    g++ make cmake pkg-config
    # Qt 6 (widgets, printing, network, SVG, tests) and what its CMake files ask for
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    # the faces that stand in for the Windows fonts of the window designs
    fonts-liberation2 fonts-dejavu-core
    # what became of a print job: libcups, which Qt does not ask
    libcups2-dev
    # reading printed PDF back in the tests
    poppler-utils
    # the tests' private print server (cupsd) and its admin tools (lpadmin, cupsreject, cupsaccept)
    cups-daemon cups-client
    # packaging: the package's library list (dpkg-shlibdeps, which needs file) and the
    # desktop-entry/metainfo validators
    dpkg-dev file desktop-file-utils appstream
    # screenshots, X-only tests and the start-up benchmark's window watcher under a virtual X server
    xvfb xauth x11-utils xdotool imagemagick libx11-dev libxdamage-dev libxfixes-dev
    # the start-up benchmark's other reference: GPeriodic, the fastest periodic table on Linux
    gperiodic
    # the fresh-root check: a minimal Debian 12 to try the set-up in
    debootstrap
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
# sudo clears the environment, so the setting that keeps debconf from asking goes on the command.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo "${as_root[@]}")
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

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
    # translations: lrelease compiles them at build time, lupdate checks them in the tests; Qt's own
    # translations give its dialogs and buttons the program's language
    qt6-l10n-tools qt6-translations-l10n
    # the faces that stand in for the Windows fonts of the window designs
    fonts-liberation2 fonts-dejavu-core
    # what became of a print job: libcups, which Qt does not ask
    libcups2-dev
    # reading printed PDF back in the tests
    poppler-utils
    # the tests' private print server (cupsd) and its admin tools (lpadmin, cupsreject, cupsaccept)
    cups-daemon cups-client
    # the tests' network printer, found as a desktop finds one: CUPS's IPP Everywhere printer
    # (ippeveprinter), advertised by a private avahi-daemon over a private D-Bus bus (dbus-daemon), in
    # namespaces of its own (unshare and nsenter from util-linux, ip from iproute2); CUPS's driverless
    # queue for it passes the PDF through pdftopdf
    cups-ipp-utils avahi-daemon dbus-daemon util-linux iproute2 cups-filters-core-drivers
    # packaging: the package's library list (dpkg-shlibdeps, which needs file) and the
    # desktop-entry/metainfo validators
    dpkg-dev file desktop-file-utils appstream
    # screenshots, X-only tests and the start-up benchmark's window watcher under a virtual X server
    xvfb xauth x11-utils xdotool imagemagick libx11-dev libxdamage-dev libxfixes-dev
    # Qt's Wayland platform, which the program uses where the compositor draws window frames
    qt6-wayland
    # the Wayland session tests: GNOME's and KDE Plasma's compositors (each starts its own
    # XWayland; Breeze is the frame KWin draws on Plasma), a private session bus, the
    # accessibility bus, and Python's AT-SPI client that presses a tile and searches
    mutter kwin-wayland kwin-style-breeze xwayland at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    # the start-up benchmark's other reference: GPeriodic, the fastest periodic table on Linux
    gperiodic
    # the fresh-root check: a minimal Debian 12 to try the set-up in
    debootstrap
)

missing=()
for package in "${packages[@]}"; do
    if ! grep -q 'install ok installed' <<<"$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)"; then
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

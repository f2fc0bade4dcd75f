#!/bin/sh
# Installs what the build and the tests need from Debian's packages (only
# what is missing, so a second run is quick), then configures and builds.
# Usage: scripts/setup.sh <build-dir> [extra cmake arguments...]
set -eu

# The second line serves the install and package tests: the desktop
# validators, the MIME database, gio to look types up as a file manager does,
# and dpkg-shlibdeps and file for cpack's dependency list; Qt SVG writes the
# diagram's pictures and draws the window's icon, xprop reads that icon back
# in the end-to-end tests; libpng writes the PNG pictures.
packages="cmake g++ make qt6-base-dev qt6-svg-dev libpng-dev qt6-translations-l10n fontconfig fonts-dejavu-core xvfb xauth xdotool
          x11-utils desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin dpkg-dev file"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing </dev/null
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
cmake -S "$root" -B "$build" "$@" >/dev/null
cmake --build "$build" -j2

#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vantrax Editor need.
# Quiet when everything is already there; asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake g++ ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-webengine-dev
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream dpkg-dev
  # The packages: manual pages made from --help, and the checks of the package test.
  help2man lintian man-db
  # The start-up benchmark's watcher of X drawing events.
  pkg-config libxcb-damage0-dev
  # A glyph for the mark the text editors show in place of a lone carriage return (U+240D).
  fonts-symbola
  # The accessibility test: a session bus, the accessibility bus and its Python client, and a
  # desktop palette chooser for the dark palette.
  dbus-x11 at-spi2-core python3-pyatspi qt6ct
  # The Windows programs: the MinGW-w64 compiler (posix threads) that builds them and Qt for
  # Windows from Debian's qt6-base source, Wine that runs their tests, NSIS and zip that package
  # them.
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis zip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing missing packages: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

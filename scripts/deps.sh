#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the screenshots need
# (only those that are missing). Run as root, or with sudo available.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libgl1-mesa-dev
    # libmdb's link flags (pkg-config) name glib and pcre2, so their headers are needed too.
    libsqlite3-dev mdbtools-dev libglib2.0-dev libpcre2-dev
    xvfb xauth x11-utils imagemagick fonts-dejavu-core
    dpkg-dev file appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

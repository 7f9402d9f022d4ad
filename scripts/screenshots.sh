#!/usr/bin/env bash
# Renders every window in its interesting states to docs/screenshots/ under a virtual
# display (Xvfb), and once more at twice the pixel density (QT_SCALE_FACTOR=2, as on a
# high-density screen) to docs/screenshots/scale2/.
# Usage: scripts/screenshots.sh [BUILD_DIR]
# Without BUILD_DIR it builds the default preset with the screenshot programs
# (tools/screenshots/) first and uses build/default.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-}"
if [ -z "$build" ]; then
    scripts/deps.sh
    cmake --preset default -DTERRASOND_BUILD_SCREENSHOTS=ON >/dev/null
    cmake --build --preset default
    build=build/default
fi
out="$PWD/docs/screenshots"
mkdir -p "$out" "$out/scale2"
if [ ! -d "$build/tools/screenshots" ]; then
    cmake "$build" -DTERRASOND_BUILD_SCREENSHOTS=ON >/dev/null
    cmake --build "$build"
fi
for prog in $(find "$build/tools/screenshots" -maxdepth 1 -type f -name 'shoot_*' -perm -u+x | sort); do
    echo "== $prog"
    xvfb-run -a -s "-screen 0 1600x1200x24" "$prog" "$out"
    # The tour is shown once, at the ordinary density.
    [ "$(basename "$prog")" = shoot_tour ] && continue
    QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3200x2400x24" "$prog" "$out/scale2"
done

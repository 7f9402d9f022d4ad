#!/usr/bin/env bash
# The language catalog for a translators' review, printed from the catalog itself: every
# entry with its eight texts, whether each translated language has its own text or repeats
# the English or Spanish one, and the shares per language at the foot.
#
# Usage: scripts/catalog-review.sh [BUILD_DIR]
#        scripts/catalog-review.sh --panels [OUT_DIR] [BUILD_DIR]
#
# --panels instead renders the panels where catalog texts meet (Kawasaki erase message,
# progress, live data and actuators; Bombardier keys, service, change total hours and
# actuators) in French, Italian, German, Portuguese, Finnish and Swedish under Xvfb, one
# picture per language (default OUT_DIR: docs/screenshots/languages).
# BUILD_DIR defaults to build/default when it is configured, otherwise build/catalog.
set -euo pipefail
cd "$(dirname "$0")/.."

panels=0
out=docs/screenshots/languages
if [ "${1:-}" = "--panels" ]; then
    panels=1
    shift
    if [ $# -gt 0 ] && [ ! -f "$1/CMakeCache.txt" ]; then out="$1"; shift; fi
fi
build="${1:-}"
if [ -z "$build" ]; then
    build=build/default
    [ -f "$build/CMakeCache.txt" ] || build=build/catalog
fi
# A folder of its own needs only the shell, Bombardier, Kawasaki and the test support.
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DTERRASOND_AREAS="bombardier;kawasaki" >/dev/null

if [ "$panels" = 0 ]; then
    cmake --build "$build" --target catalog_review >/dev/null
    exec "$build/tools/catalog/catalog_review"
fi

cmake --build "$build" --target catalog_panels >/dev/null
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tools/catalog/catalog_panels" "$shots"
mkdir -p "$out"
for lang in fr it de pt fi sv; do
    tiles=()
    for panel in kawasaki-erased kawasaki-connecting kawasaki-actuators kawasaki-live-data \
        bombardier-actuators bombardier-service bombardier-change-total-hours bombardier-keys; do
        # Each picture with its name above it.
        convert "$shots/$lang-$panel.png" -background '#e8e8e8' -gravity North -splice 0x22 \
            -font DejaVu-Sans -pointsize 13 -annotate +0+3 "$lang: $panel" "$shots/t-$lang-$panel.png"
        tiles+=("$shots/t-$lang-$panel.png")
    done
    montage "${tiles[@]}" -background '#e8e8e8' -tile 2x -geometry +8+8 -depth 8 "$out/$lang.png"
    echo "$out/$lang.png"
done

#!/usr/bin/env bash
# Draws the main window's background picture with ImageMagick. It fills the window below
# the menu bar (800 x about 580 pixels): background.jpg is drawn at the window's size,
# 800 x 600, and background@2x.jpg at twice that size for high-density screens.
# Usage: scripts/draw-background.sh [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-data/shell}"
BOLD=DejaVu-Sans-Bold
REG=DejaVu-Sans
MONO=DejaVu-Sans-Mono

# draw SCALE FILE: every coordinate below is given at 800 x 600 and multiplied by SCALE.
draw() {
    local S=$1 out=$2
    s() { echo $(($1 * S)); }
    # The trace on the screen, one segment at a time (a polyline would be closed and filled).
    local points=(500 300 540 240 580 280 620 210 660 260 700 230 740 250) trace=() i
    for ((i = 0; i + 3 < ${#points[@]}; i += 2)); do
        trace+=(-draw "line $(s ${points[i]}),$(s ${points[i + 1]}) $(s ${points[i + 2]}),$(s ${points[i + 3]})")
    done
    convert -size "$(s 800)x$(s 600)" gradient:'#0b2644'-'#124074' \
        -fill 'rgba(255,255,255,0.07)' -stroke none \
        -draw "circle $(s 620),$(s 300) $(s 860),$(s 300)" \
        -draw "circle $(s 620),$(s 300) $(s 770),$(s 300)" \
        -fill 'rgba(255,255,255,0.04)' \
        -draw "roundrectangle $(s 470),$(s 170) $(s 770),$(s 400) $(s 16),$(s 16)" \
        -fill none -stroke '#8fb0d2' -strokewidth $(s 3) \
        -draw "roundrectangle $(s 470),$(s 170) $(s 770),$(s 400) $(s 16),$(s 16)" \
        -stroke '#eef5fa' -strokewidth $(s 2) \
        "${trace[@]}" \
        -draw "line $(s 500),$(s 330) $(s 740),$(s 330)" \
        -stroke none -fill '#eef5fa' -font "$MONO" -pointsize $(s 19) \
        -annotate +$(s 500)+$(s 375) 'ECM  41.6 h   OK' \
        -fill '#eef3f0' -font "$BOLD" -pointsize $(s 68) -annotate +$(s 60)+$(s 470) 'ORVANE' \
        -fill '#8fb0d2' -font "$REG" -pointsize $(s 21) \
        -annotate +$(s 64)+$(s 510) 'Powersports diagnostic scanner  ·  demonstration' \
        -quality 90 "$out"
}

draw 1 "$folder/background.jpg"
draw 2 "$folder/background@2x.jpg"

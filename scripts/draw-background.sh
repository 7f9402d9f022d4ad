#!/usr/bin/env bash
# Draws the main window's background picture (data/shell/background.jpg) with ImageMagick.
# It fills the window below the menu bar (800 x about 580 pixels); it is drawn at twice
# the window's size, 1600 x 1200, so that it stays sharp on high-density screens (the
# label scales it down on ordinary ones).
# Usage: scripts/draw-background.sh [OUTPUT_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-data/shell/background.jpg}"
S=2 # drawing scale: every coordinate below is given at 800 x 600
s() { echo $(($1 * S)); }
W=$(s 800)
H=$(s 600)
BOLD=DejaVu-Sans-Bold
REG=DejaVu-Sans
MONO=DejaVu-Sans-Mono

# The trace on the screen, one segment at a time (a polyline would be closed and filled).
points=(500 300 540 240 580 280 620 210 660 260 700 230 740 250)
trace=()
for ((i = 0; i + 3 < ${#points[@]}; i += 2)); do
    trace+=(-draw "line $(s ${points[i]}),$(s ${points[i + 1]}) $(s ${points[i + 2]}),$(s ${points[i + 3]})")
done

convert -size "${W}x${H}" gradient:'#0b2644'-'#124074' \
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

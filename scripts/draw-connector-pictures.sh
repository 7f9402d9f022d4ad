#!/usr/bin/env bash
# Draws the connector pictures bundled with the program (Sockets window):
#   ok.jpg  Bombardier diagnostic socket      s4.jpg  Polaris diagnostic socket
#   y1.jpg to y4.jpg  four views of the Kawasaki socket
# They are the program's own demonstration drawings; pictures dropped into the data
# folder take their place. Needs ImageMagick and the DejaVu fonts.
# Usage: scripts/draw-connector-pictures.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-data/bundled/orvanedemo/terrasond}"
mkdir -p "$out"

# 1200 x 880: the large picture area at twice its size on screen, so it stays sharp on
# high-density screens.
W=1200
H=880
REG=DejaVu-Sans
BOLD=DejaVu-Sans-Bold
INK='#1d1d1d'
BRASS='#d4a72c'
MARK='#d62828'
HEAD='#1f3b5c'

args=()

start() { # title subtitle
    args=(-size ${W}x${H} xc:'#f7f7f4'
        -fill "$HEAD" -stroke none -draw "rectangle 0,0 $W,88"
        -font "$BOLD" -pointsize 38 -fill white -annotate +32+58 "$1"
        -font "$REG" -pointsize 24 -fill '#3a3a3a' -annotate +32+134 "$2"
        -stroke '#c8c8c0' -strokewidth 2 -draw "line 32,156 $((W - 32)),156")
}

text() { # x y size font colour text
    args+=(-stroke none -font "$4" -pointsize "$3" -fill "$5" -annotate "+$1+$2" "$6")
}

# Front view of a socket: housing, locking tab on top and numbered pins (row by row,
# left to right, as moulded on the housing). cx cy cols rows pitch
socket() {
    local cx=$1 cy=$2 cols=$3 rows=$4 p=$5
    local w=$((cols * p + 60)) h=$((rows * p + 60))
    local x0=$((cx - w / 2)) y0=$((cy - h / 2))
    args+=(-stroke "$INK" -strokewidth 4 -fill '#5b5f66'
        -draw "roundrectangle $x0,$y0 $((x0 + w)),$((y0 + h)) 26,26"
        -fill '#3b3e44' -draw "roundrectangle $((cx - 60)),$((y0 - 34)) $((cx + 60)),$((y0 + 4)) 8,8"
        -fill '#2a2c30' -draw "roundrectangle $((x0 + 14)),$((y0 + 14)) $((x0 + w - 14)),$((y0 + h - 14)) 18,18")
    text $((cx - 34)) $((y0 - 44)) 20 "$REG" "$INK" "latch"
    local n=1 r c x y
    for ((r = 0; r < rows; r++)); do
        for ((c = 0; c < cols; c++)); do
            x=$((x0 + 30 + c * p + p / 2))
            y=$((y0 + 30 + r * p + p / 2))
            args+=(-stroke '#111111' -strokewidth 3 -fill '#f0f0ea'
                -draw "circle $x,$y $((x + p / 2 - 10)),$y"
                -fill "$BRASS" -draw "circle $x,$y $((x + p / 4 - 2)),$y")
            text $((x - (n > 9 ? 17 : 9))) $((y + 11)) 30 "$BOLD" "$INK" "$n"
            n=$((n + 1))
        done
    done
}

legend() { # x y "pin|signal"...
    local x=$1 y=$2
    shift 2
    text "$x" "$y" 26 "$BOLD" "$HEAD" "Pin"
    text $((x + 90)) "$y" 26 "$BOLD" "$HEAD" "Signal"
    args+=(-stroke "$HEAD" -strokewidth 2 -draw "line $x,$((y + 12)) $((x + 470)),$((y + 12))")
    local row pin signal
    for row in "$@"; do
        pin=${row%%|*}
        signal=${row#*|}
        y=$((y + 50))
        args+=(-stroke "$INK" -strokewidth 2 -fill "$BRASS" -draw "circle $((x + 20)),$((y - 9)) $((x + 36)),$((y - 9))")
        text $((x + 13)) $((y - 2)) 20 "$BOLD" "$INK" "$pin"
        text $((x + 90)) "$y" 26 "$REG" "$INK" "$signal"
    done
}

# Side view of an all-terrain vehicle (front to the right) at ox,oy, scaled by s/100,
# with a red ring and arrow where the socket sits (mx my in the drawing's own units).
vehicle() { # ox oy s mx my
    local ox=$1 oy=$2 s=$3 mx=$4 my=$5
    q() { echo $(($1 * s / 100 + $2)); } # scale a coordinate
    local body="$(q 20 $ox),$(q 120 $oy) $(q 60 $ox),$(q 80 $oy) $(q 150 $ox),$(q 70 $oy) $(q 250 $ox),$(q 70 $oy) $(q 330 $ox),$(q 60 $oy) $(q 380 $ox),$(q 90 $oy) $(q 390 $ox),$(q 125 $oy) $(q 20 $ox),$(q 125 $oy)"
    args+=(-stroke "$INK" -strokewidth 4 -fill '#9fb4c7' -draw "polygon $body"
        -fill '#30343a' -draw "roundrectangle $(q 120 $ox),$(q 44 $oy) $(q 260 $ox),$(q 72 $oy) 12,12"
        -fill none -strokewidth 6 -draw "line $(q 300 $ox),$(q 60 $oy) $(q 320 $ox),$(q 10 $oy)"
        -draw "line $(q 300 $ox),$(q 10 $oy) $(q 345 $ox),$(q 10 $oy)"
        -strokewidth 4 -fill '#2a2a2a'
        -draw "circle $(q 80 $ox),$(q 150 $oy) $(q 130 $ox),$(q 150 $oy)"
        -draw "circle $(q 330 $ox),$(q 150 $oy) $(q 380 $ox),$(q 150 $oy)"
        -fill '#8a8a8a' -draw "circle $(q 80 $ox),$(q 150 $oy) $(q 98 $ox),$(q 150 $oy)"
        -draw "circle $(q 330 $ox),$(q 150 $oy) $(q 348 $ox),$(q 150 $oy)"
        -stroke "$MARK" -strokewidth 6 -fill none
        -draw "circle $(q "$mx" "$ox"),$(q "$my" "$oy") $(q $((mx + 22)) "$ox"),$(q "$my" "$oy")"
        -draw "line $(q "$mx" "$ox"),$(q $((my - 24)) "$oy") $(q "$mx" "$ox"),$(q $((my - 70)) "$oy")"
        -fill "$MARK" -draw "polygon $(q $((mx - 10)) "$ox"),$(q $((my - 40)) "$oy") $(q $((mx + 10)) "$ox"),$(q $((my - 40)) "$oy") $(q "$mx" "$ox"),$(q $((my - 24)) "$oy")")
}

location() { # vehicle marker x, y, then the lines of text
    local mx=$1 my=$2
    shift 2
    args+=(-stroke '#c8c8c0' -strokewidth 2 -fill none -draw "line 32,640 $((W - 32)),640")
    vehicle 40 662 100 "$mx" "$my"
    text 470 712 26 "$BOLD" "$HEAD" "Where it sits"
    local y=756 line
    for line in "$@"; do
        text 470 "$y" 24 "$REG" "$INK" "$line"
        y=$((y + 38))
    done
}

finish() { # file
    args+=(-quality 90 "$out/$1")
    convert "${args[@]}"
}

# Bombardier
start "BOMBARDIER  -  diagnostic socket, 6 pins" \
    "Front view of the vehicle-side socket, dust cap removed"
socket 300 420 3 2 120
legend 640 250 "1|Battery +12 V" "2|Ground" "3|CAN High" "4|CAN Low" "5|K-line" "6|Not used"
location 175 64 "Under the seat, left of the battery," \
    "clipped to the frame next to the ECM." "Lift the seat to reach it."
finish ok.jpg

# Polaris
start "POLARIS  -  diagnostic socket, 8 pins" \
    "Front view of the vehicle-side socket, dust cap removed"
socket 300 420 4 2 110
legend 640 220 "1|Switched +12 V" "2|Ground" "3|CAN High" "4|CAN Low" "5|K-line" \
    "6|Signal ground" "7|Not used" "8|Not used"
location 330 95 "Behind the front cover, left side," \
    "taped to the main harness near the ECU." "Remove the front cover to reach it."
finish s4.jpg

# Kawasaki, four views. (A curve is drawn there and back: ImageMagick 6 closes an open
# path when it strokes it.)
start "KAWASAKI  -  view 1: where the socket sits" \
    "Right-hand side of the vehicle, seat lifted"
vehicle 150 200 220 235 60
text 150 720 28 "$BOLD" "$HEAD" "Under the seat, right side, next to the ECU."
text 150 764 26 "$REG" "$INK" "The socket hangs from the main harness with a rubber dust cap."
text 150 804 26 "$REG" "$INK" "Ignition off before connecting the adapter."
finish y1.jpg

start "KAWASAKI  -  view 2: socket with dust cap" \
    "Pull the rubber cap straight off; keep it on its strap"
args+=(-stroke "$INK" -strokewidth 4 -fill '#5b5f66' -draw "roundrectangle 180,300 520,560 26,26"
    -fill '#3b3e44' -draw "roundrectangle 290,266 410,304 8,8"
    -fill '#2a2c30' -draw "rectangle 60,400 180,460"
    -fill '#1b1b1b' -draw "roundrectangle 720,300 1000,560 40,40"
    -fill '#2e2e2e' -draw "roundrectangle 750,330 970,530 30,30"
    -fill none -strokewidth 8 -stroke '#1b1b1b' -draw "path 'M 520,520 C 600,640 680,640 740,540 C 680,640 600,640 520,520'"
    -stroke "$MARK" -strokewidth 6 -draw "line 560,430 690,430"
    -fill "$MARK" -draw "polygon 690,412 720,430 690,448")
text 60 500 20 "$REG" "$INK" "harness"
text 250 610 26 "$BOLD" "$HEAD" "Socket"
text 790 610 26 "$BOLD" "$HEAD" "Dust cap"
text 560 410 22 "$REG" "$MARK" "pull off"
text 60 740 26 "$REG" "$INK" "Put the cap back after the test: water in the socket gives false readings."
finish y2.jpg

start "KAWASAKI  -  view 3: pin layout, 6 pins" \
    "Front view of the vehicle-side socket, dust cap removed"
socket 300 420 3 2 120
legend 640 250 "1|Battery +12 V" "2|Ground" "3|K-line (KDS)" "4|Signal ground" "5|Not used" \
    "6|Not used"
text 60 720 24 "$REG" "$INK" "Pin numbers are moulded on the housing next to each cavity."
finish y3.jpg

start "KAWASAKI  -  view 4: adapter connected" \
    "Push the adapter in until the latch clicks; then switch the ignition on"
args+=(-stroke "$INK" -strokewidth 4 -fill '#5b5f66' -draw "roundrectangle 120,330 400,530 22,22"
    -fill '#3b3e44' -draw "roundrectangle 200,296 320,334 8,8"
    -fill '#2a2c30' -draw "rectangle 20,400 120,460"
    -fill '#e1e4e8' -draw "roundrectangle 400,310 640,550 22,22"
    -fill '#2a2c30' -draw "rectangle 640,405 700,455"
    -fill none -strokewidth 10 -stroke '#2a2c30' -draw "path 'M 700,430 C 800,430 820,640 900,640 C 820,640 800,430 700,430'"
    -stroke "$INK" -strokewidth 4 -fill '#33475b' -draw "roundrectangle 900,560 1160,760 20,20"
    -fill '#a6d3a0' -draw "rectangle 930,590 1130,680")
text 170 580 26 "$BOLD" "$HEAD" "Socket"
text 450 600 26 "$BOLD" "$HEAD" "Adapter"
text 952 644 26 "$BOLD" "$INK" "SCANNER"
text 180 280 22 "$REG" "$MARK" "latch clicks"
finish y4.jpg

echo "Pictures written to $out"

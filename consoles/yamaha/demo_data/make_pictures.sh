#!/usr/bin/env bash
# Draws the guide's pictures (instrument panel, meter display and diagnostic steps) with
# ImageMagick into data/bundled/orvanedemo/terrasond/. They are drawn at twice the size
# of their place in the window (273 x 137 pixels) so that they stay sharp on high-density
# screens.
set -euo pipefail
out="${1:-$(dirname "$0")/../../../data/bundled/orvanedemo/terrasond}"
mkdir -p "$out"
W=546
H=274
FONT=DejaVu-Sans
BOLD=DejaVu-Sans-Bold
MONO=DejaVu-Sans-Mono-Bold
PAPER="#f4f3ee"
BODY="#2f3338"
LCD="#b9c7a2"
INK="#1d2a14"

# Each helper appends drawing options to the picture being built.
a=()
start() { a=(-size "${W}x${H}" "$@"); }
meter() { # the meter body (320 x 190) with its LCD and the SELECT and RESET buttons
    local x=$1 y=$2
    a+=(-fill "$BODY" -stroke black -strokewidth 2
        -draw "roundrectangle $x,$y $((x + 320)),$((y + 190)) 28,28"
        -fill "$LCD" -stroke "#101010" -strokewidth 3
        -draw "roundrectangle $((x + 30)),$((y + 24)) $((x + 290)),$((y + 112)) 8,8"
        -fill "#c8c8c8" -stroke black -strokewidth 2
        -draw "circle $((x + 90)),$((y + 150)) $((x + 108)),$((y + 150))"
        -draw "circle $((x + 230)),$((y + 150)) $((x + 248)),$((y + 150))"
        -stroke none -fill white -font "$BOLD" -pointsize 13
        -draw "text $((x + 66)),$((y + 184)) 'SELECT'"
        -draw "text $((x + 208)),$((y + 184)) 'RESET'")
}
lcd() { a+=(-fill "$INK" -stroke none -font "$MONO" -pointsize "$3" -draw "text $1,$2 '$4'"); }
caption() { a+=(-fill black -stroke none -font "$BOLD" -pointsize 17 -draw "text 14,28 '$1'"); }
note() { a+=(-fill "#222222" -stroke none -font "$FONT" -pointsize "$4" -draw "text $1,$2 '$3'"); }
arrow() { # from X1,Y1 to the head at X2,Y2, pointing left
    a+=(-stroke "#b02020" -strokewidth 3 -fill none -draw "line $1,$2 $(($3 + 10)),$4"
        -fill "#b02020" -stroke none
        -draw "polygon $3,$4 $(($3 + 14)),$(($4 - 8)) $(($3 + 14)),$(($4 + 8))")
}
finish() {
    a+=(-fill none -stroke "#707070" -strokewidth 2 -draw "rectangle 1,1 $((W - 2)),$((H - 2))")
    convert "${a[@]}" "$@"
}
jpeg() { finish -quality 92 "$out/$1"; }
bmp() { finish -type Palette -compress None "BMP3:$out/$1"; }

# land.jpg: the guide before a model is chosen
start gradient:"#7fa7d6"-"#e9eef5"
a+=(-fill "#dfe6ee" -stroke "#9aa7b5" -strokewidth 2
    -draw "polygon 0,200 90,120 160,170 260,80 360,165 430,115 546,190 546,274 0,274"
    -fill white -stroke none -draw "polygon 0,232 140,204 300,228 420,208 546,224 546,274 0,274"
    -fill "$BODY" -stroke black -strokewidth 2
    -draw "polygon 180,196 215,164 290,162 318,196"
    -fill "#c0392b" -draw "polygon 218,164 240,142 266,142 288,162"
    -fill "$BODY" -draw "roundrectangle 150,194 340,216 10,10"
    -fill "#202020" -draw "roundrectangle 124,216 250,225 4,4" -draw "roundrectangle 272,216 372,225 4,4"
    -fill white -stroke none -font "$BOLD" -pointsize 26 -draw "text 22,46 'Static Diagnostic Method'"
    -fill "#10243a" -font "$FONT" -pointsize 16 -draw "text 24,74 'Choose the model to see how to set its'"
    -draw "text 24,94 'diagnostic mode and its fault codes.'")
jpeg land.jpg

# yy1.jpg: the instrument panel and the switches used for the self-diagnosis
start xc:"$PAPER"
caption "Instrument panel"
meter 20 50
note 70 92 'ODO' 13
lcd 66 140 44 '01234'
a+=(-fill "#d8d8d8" -stroke black -strokewidth 2 -draw "circle 450,110 450,148"
    -fill "$BODY" -draw "roundrectangle 443,78 457,142 4,4")
note 396 70 'OFF' 14
note 484 70 'ON' 14
note 404 176 'Main switch' 15
a+=(-fill "#c0392b" -stroke black -strokewidth 2 -draw "roundrectangle 420,196 480,226 6,6"
    -fill white -draw "roundrectangle 450,199 476,223 4,4")
note 380 252 'Engine stop switch' 15
jpeg yy1.jpg

# yh2.bmp: Fx10 meter with dIAG on the odometer / tripmeter / engine speed meter LCD
start xc:"$PAPER"
caption "Fx10: diagnostic mode"
meter 20 50
lcd 84 140 58 'dIAG'
arrow 440 110 316 110
note 356 142 'odometer / tripmeter /' 14
note 356 162 'engine speed meter LCD' 14
note 356 210 'SELECT + RESET 2 s:' 14
note 356 230 'diag code 01 appears' 14
bmp yh2.bmp

# yh1.bmp: the three steps that lead to the diagnostic mode
start xc:"$PAPER"
caption "Fx10: entering the diagnostic mode"
a+=(-fill white -stroke "#707070" -strokewidth 2
    -draw "roundrectangle 12,44 176,262 10,10" -draw "roundrectangle 191,44 355,262 10,10"
    -draw "roundrectangle 370,44 534,262 10,10"
    -fill "#2c6fb0" -stroke none -font "$BOLD" -pointsize 22
    -draw "text 24,74 '1'" -draw "text 203,74 '2'" -draw "text 382,74 '3'"
    -fill "#444444" -stroke black -strokewidth 2
    -draw "roundrectangle 30,110 80,150 5,5" -draw "roundrectangle 108,110 158,150 5,5"
    -stroke "#c0392b" -strokewidth 4 -draw "line 86,118 102,142" -draw "line 102,118 86,142")
note 26 190 'Disconnect the' 14
note 26 210 'fuel pump' 14
note 26 230 'coupler' 14
a+=(-fill "#c8c8c8" -stroke black -strokewidth 2
    -draw "circle 238,132 258,132" -draw "circle 308,132 328,132")
note 212 104 'SELECT' 12
note 288 104 'RESET' 12
note 204 190 'Hold both, turn the' 14
note 204 210 'main switch ON,' 14
note 204 236 'keep them 8 s' 16
a+=(-fill "$LCD" -stroke "#101010" -strokewidth 3 -draw "roundrectangle 390,96 514,150 6,6")
lcd 406 136 32 'dIAG'
note 382 190 'SELECT + RESET' 14
note 382 210 '2 s: diag code' 14
note 382 236 '01 appears' 16
bmp yh1.bmp

# Ya1.jpg: Apex meter with dI selected
start xc:"$PAPER"
caption "Apex: select dI"
meter 20 50
lcd 100 140 58 'dI'
a+=(-fill "$INK" -draw "polygon 76,100 76,132 94,116")
arrow 440 110 316 110
note 356 142 'dI on the trip LCD' 14
note 356 190 'SELECT + RESET 2 s' 14
note 356 210 'to execute the' 14
note 356 230 'selection' 14
jpeg Ya1.jpg

# Ya2.jpg: diagnostic code number, sensor data and the actuator test switch
start xc:"$PAPER"
caption "Apex: diagnostic code 01-70"
meter 20 50
lcd 66 136 44 'd:01'
lcd 236 136 30 '15'
note 356 72 'SELECT / RESET:' 14
note 356 92 'choose the diag code' 14
note 356 118 'Sensor data appear' 14
note 356 138 'on the trip LCD' 14
a+=(-fill "#d8d8d8" -stroke black -strokewidth 2 -draw "roundrectangle 366,160 416,246 8,8"
    -fill "$BODY" -draw "polygon 378,174 404,174 391,192" -draw "polygon 378,232 404,232 391,214")
note 426 196 'Grip warmer' 13
note 426 214 'down side ON:' 13
note 426 232 'actuator test' 13
jpeg Ya2.jpg

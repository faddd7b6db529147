#!/usr/bin/env bash
# Draws the about window's two pictures. Run it here after changing the drawing; the
# results are committed so that building needs no ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

# The logo: a speech bubble with the program's name and a card, 130 x 75, as GIF with a
# transparent background.
convert -size 130x75 xc:none \
    -fill '#1F4E9C' -stroke '#0B2A5E' -strokewidth 2 \
    -draw "roundrectangle 4,6 100,52 12,12" \
    -draw "polygon 22,50 16,68 40,50" \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 17 \
    -draw "text 13,36 'Quip'" \
    -font DejaVu-Sans -pointsize 10 -draw "text 60,34 'sender'" \
    -fill white -stroke '#0B2A5E' -strokewidth 2 \
    -draw "push graphic-context translate 108,40 rotate 14 roundrectangle -14,-22 14,22 3,3 pop graphic-context" \
    -stroke none -fill '#C01818' -font DejaVu-Sans -pointsize 20 \
    -draw "text 98,50 '♥'" \
    +dither -colors 16 logo.gif

# The fan of cards: a line drawing in black on white, 899 x 1082, two colours. White is
# the transparent colour (the bottom-left pixel says which colour that is).
card="roundrectangle -210,-310 210,310 40,40"
convert -size 899x1082 xc:white \
    -fill white -stroke black -strokewidth 22 \
    -draw "push graphic-context translate 330,560 rotate -18 $card pop graphic-context" \
    -draw "push graphic-context translate 450,520 rotate 0 $card pop graphic-context" \
    -draw "push graphic-context translate 570,560 rotate 18 $card pop graphic-context" \
    -stroke none -fill black -font DejaVu-Sans -pointsize 300 \
    -draw "push graphic-context translate 570,560 rotate 18 text -95,100 '♠' pop graphic-context" \
    -pointsize 90 -draw "text 270,320 'A'" \
    -type bilevel -colors 2 BMP3:cards.bmp

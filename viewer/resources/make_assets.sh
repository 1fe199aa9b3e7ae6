#!/usr/bin/env bash
# Makes the viewer's pictures again: the splash background (a baseline JPEG, decoded by libjpeg at
# run time), the lettering line of the splash, and the globe icon in 16 to 256 pixels, also
# as the Windows program's icon file (16 to 96 pixels).
# Needs ImageMagick and the DejaVu fonts (scripts/install-deps.sh installs both).
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert
font=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf

# 354 x 275, three components, baseline, a smooth gold gradient.
"$im" -size 354x275 -define gradient:angle=135 gradient:'#F8E58C-#B8860B' \
    -colorspace sRGB -type TrueColor -sampling-factor 2x2 -interlace none -quality 75 \
    -strip gold.jpg

# 297 x 25, 24-bit; its white background is the colour left out when it is drawn. The soft edges
# of the letters are mixed with the gold that lies under them on the splash (the picture sits at
# (28, 144), the gold at (4, 4)), so that they blend into it instead of fading to white.
text='Norrowen  ~  Fallowmere  ~  Brackenmoor'
"$im" -size 297x25 xc:black -font "$font" -pointsize 12 -fill white -gravity center \
    -annotate +0+0 "$text" ink.png
"$im" gold.jpg -crop 297x25+24+140 +repage \( -size 297x25 xc:'#6E3B0A' \) ink.png -composite \
    inked.png
"$im" -size 297x25 xc:white inked.png \( ink.png -threshold 0 \) -composite -type TrueColor \
    -define png:exclude-chunks=date,time PNG24:lettering.png
rm ink.png inked.png
# The same as a 24-bit bitmap for the Windows program, which draws it without a PNG decoder.
"$im" lettering.png -type TrueColor BMP3:lettering.bmp

# A globe on a stand, drawn at 96 pixels (the window's sizes) and at 384 (the launcher's larger
# sizes) and reduced, so every size stays smooth.
globe() { # SCALE OUT: the drawing of 96 pixels, SCALE times larger
    "$im" -size $((96 * $1))x$((96 * $1)) xc:none -affine "$1,0,0,$1,0,0" \
        -fill '#8B5A2B' -stroke '#5C3A1A' -strokewidth 2 -draw 'rectangle 30,84 66,90' \
        -draw 'rectangle 45,70 51,84' \
        -fill none -stroke '#8B5A2B' -strokewidth 5 -draw 'arc 8,6 88,86 20,160' \
        -fill '#2E7DC8' -stroke '#12406E' -strokewidth 3 -draw 'circle 48,40 48,6' \
        -fill '#4CAF50' -stroke none -draw 'ellipse 38,30 12,9 0,360' -draw 'ellipse 60,50 11,13 0,360' \
        -draw 'ellipse 34,56 7,5 0,360' \
        -fill none -stroke '#BFE3FF' -strokewidth 1.5 -draw 'ellipse 48,40 15,34 0,360' \
        -draw 'line 14,40 82,40' \
        "$2"
}
globe 1 globe96.png
globe 4 globe384.png
for size in 48 32 16; do
    "$im" globe96.png -resize ${size}x${size} -define png:exclude-chunks=date,time \
        PNG32:globe${size}.png
done
for size in 256 128 64; do
    "$im" globe384.png -resize ${size}x${size} -define png:exclude-chunks=date,time \
        PNG32:globe${size}.png
done
# Windows picks the size it needs from one file; 96 is the drawing itself.
"$im" globe96.png -define icon:auto-resize=96,64,48,32,16 globe.ico
rm globe96.png globe384.png

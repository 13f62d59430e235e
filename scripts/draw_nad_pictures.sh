#!/bin/sh
# Draws the pictures of the national-annex sheets with ImageMagick from the window's own flag
# icons and plain shapes:
#   data/DATA/NAD/EuroFlags.bmp   20 flags stacked in cells of 26 x 19 pixels (flag index f in the
#                                 cell from y = 19 f), on the transparent colour (255, 251, 240);
#   data/DATA/BITMAPS/Buttons.bmp the sheets' button strips: at y 435 "abbrechen" (20 x 20), 458
#                                 "ok" (20 x 21), 577 the tool line's decoration (42 x 8), 587 the
#                                 editor button (9 x 7), 598 the warning's select button (40 x 41);
#                                 each strip holds the inactive, normal and pressed face side by side.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
icons=$root/src/gui/images/panel
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bg='rgb(255,251,240)'

cells=""
for i in $(seq 1 20); do
    n=$(printf '%02d' "$i")
    convert "$icons/ef$n.ico[0]" -background "$bg" -flatten -resize '26x18!' \
            -gravity north -extent 26x19 "$tmp/cell$n.png"
    cells="$cells $tmp/cell$n.png"
done
convert $cells -append -type TrueColor BMP3:"$root/data/DATA/NAD/EuroFlags.bmp"

# One face of a strip: w x h, a frame (raised, or sunken when pressed) and a drawing inside.
face() { # file w h state(0 inactive, 1 normal, 2 pressed) draw-commands
    f=$1; w=$2; h=$3; state=$4; shift 4
    fill='rgb(236,233,216)'; ink=black; lt=white; dk='rgb(128,128,128)'
    [ "$state" = 0 ] && ink='rgb(160,160,160)'
    [ "$state" = 2 ] && { lt='rgb(128,128,128)'; dk=white; }
    convert -size "${w}x${h}" xc:"$fill" -fill none \
        -stroke "$lt" -draw "line 0,0 $((w-1)),0" -draw "line 0,0 0,$((h-1))" \
        -stroke "$dk" -draw "line $((w-1)),0 $((w-1)),$((h-1))" -draw "line 0,$((h-1)) $((w-1)),$((h-1))" \
        -stroke "$ink" -fill "$ink" "$@" "$f"
}
strip() { # name w h draw-commands
    name=$1; w=$2; h=$3; shift 3
    for s in 0 1 2; do face "$tmp/$name$s.png" "$w" "$h" "$s" "$@"; done
    convert "$tmp/${name}0.png" "$tmp/${name}1.png" "$tmp/${name}2.png" +append "$tmp/$name.png"
}
strip cancel 20 20 -strokewidth 2 -draw "line 5,5 14,14" -draw "line 14,5 5,14"
strip ok 20 21 -strokewidth 2 -fill none -draw "polyline 4,11 8,15 15,5"
strip deco 42 8 -strokewidth 1 -draw "line 3,4 38,4" -draw "polygon 34,1 39,4 34,7"
strip editor 9 7 -strokewidth 1 -draw "rectangle 2,2 6,4"
strip select 40 41 -strokewidth 1 -fill none -draw "rectangle 8,6 31,34" \
      -draw "line 12,12 27,12" -draw "line 12,18 27,18" -draw "line 12,24 22,24" \
      -fill black -draw "polygon 24,27 33,33 27,35"
convert -size 126x640 xc:"$bg" \
    "$tmp/cancel.png" -geometry +0+435 -composite \
    "$tmp/ok.png" -geometry +0+458 -composite \
    "$tmp/deco.png" -geometry +0+577 -composite \
    "$tmp/editor.png" -geometry +0+587 -composite \
    "$tmp/select.png" -geometry +0+598 -composite \
    -type TrueColor BMP3:"$root/data/DATA/BITMAPS/Buttons.bmp"

#!/bin/sh
# Draws the side view's wood textures, the flags of the national-annex sets and the dialog-button
# icons with ImageMagick. Run once after a change; the results are committed beside this script.
set -e
cd "$(dirname "$0")"
# Wood: light brown with darker grain along the beam, and the same turned by 90 degrees.
convert -size 64x64 xc:'#e3c48f' -stroke '#b8904f' -strokewidth 1 \
  -draw 'line 0,8 63,10' -draw 'line 0,21 63,19' -draw 'line 0,33 63,35' -draw 'line 0,47 63,45' \
  -draw 'line 0,58 63,59' wood.png
convert wood.png -rotate 90 -modulate 95,110 wood90.png
# Flags: index f shows ef<f+1>.ico. 19 "Deutschland", 20 "EC-Standardparameter".
flag() { # file colours...
  out=$1; shift
  n=$#; h=$((18 / n)); y=0; args=""
  for c in "$@"; do args="$args -fill '$c' -draw 'rectangle 0,$y 25,$((y + h))'"; y=$((y + h)); done
  eval "convert -size 26x18 xc:white $args -fill none -stroke '#404040' -draw 'rectangle 0,0 25,17' $out"
}
flag ef01.ico '#ed2939' white '#ed2939'
flag ef02.ico '#002395' white '#ed2939'
flag ef03.ico '#ae1c28' white '#21468b'
flag ef04.ico white '#d52b1e'
flag ef05.ico '#006aa7' '#fecc00' '#006aa7'
flag ef06.ico '#c60c30' white '#c60c30'
flag ef07.ico '#d52b1e' white
flag ef08.ico '#009246' white '#ce2b37'
flag ef09.ico '#aa151b' '#f1bf00' '#aa151b'
flag ef10.ico '#ff0000' '#006600'
flag ef11.ico '#169b62' white '#ff883e'
flag ef12.ico '#00a1de' white '#ed2939'
flag ef13.ico '#0d5eaf' white '#0d5eaf'
flag ef14.ico white '#dc143c'
flag ef15.ico white '#0b4ea2' '#ee1c25'
flag ef16.ico '#003893' '#fcd116' '#003893'
flag ef17.ico '#ce1126' '#ffd100' '#009639'
flag ef18.ico '#00247d' white '#cf142b'
flag ef19.ico black '#dd0000' '#ffce00'
convert -size 26x18 xc:'#003399' -fill '#ffcc00' -draw 'circle 13,9 15,9' -fill none -stroke '#404040' \
  -draw 'rectangle 0,0 25,17' ef20.ico
# Editor button: a pencil over a flag.
convert -size 43x10 xc:'#003399' -fill '#ffcc00' -draw 'rectangle 4,3 38,6' ec_tool.ico
# Dialog buttons.
convert -size 30x28 xc:none -stroke '#1a7f1a' -strokewidth 4 -fill none -draw 'polyline 5,15 12,22 25,6' quor_ok.ico
convert -size 30x28 xc:none -stroke '#b01818' -strokewidth 4 -draw 'line 7,6 23,22' -draw 'line 23,6 7,22' quor_abbruch.ico
convert -size 30x28 xc:none -fill '#1f5fa8' -draw 'circle 15,14 15,2' -fill white -font DejaVu-Sans-Bold -pointsize 18 \
  -gravity center -annotate +0+0 '?' quor_hilfe.ico

#!/bin/sh
# Draws the window's pictures (sketches, tool-bar and dialog icons) with ImageMagick.
# Run once after a change; the results are committed beside this script.
set -e
cd "$(dirname "$0")"
C="convert -size"

# Opening sketches: a beam side view with a rectangular or circular opening and its reinforcement.
sketch() { # name shape reinf
  out=$1; shape=$2; reinf=$3
  args="-fill '#e8c890' -stroke '#6b4a1e' -strokewidth 2 -draw 'rectangle 20,60 320,180'"
  if [ "$shape" = r ]; then
    hole="-fill white -draw 'rectangle 140,95 200,145'"
  else
    hole="-fill white -draw 'circle 170,120 170,95'"
  fi
  extra=""
  case $reinf in
    vl) extra="-fill none -stroke '#1f5fa8' -strokewidth 3 -draw 'rectangle 110,70 230,170'" ;;
    vgo) extra="-stroke '#555' -strokewidth 4 -draw 'line 120,62 120,150' -draw 'line 220,62 220,150'" ;;
    vgu) extra="-stroke '#555' -strokewidth 4 -draw 'line 120,90 120,178' -draw 'line 220,90 220,178'" ;;
    vso) extra="-stroke '#8a1f1f' -strokewidth 3 -draw 'line 120,62 120,160' -draw 'line 220,62 220,160' -draw 'line 112,62 128,62' -draw 'line 212,62 228,62'" ;;
    vsu) extra="-stroke '#8a1f1f' -strokewidth 3 -draw 'line 120,80 120,178' -draw 'line 220,80 220,178' -draw 'line 112,178 128,178' -draw 'line 212,178 228,178'" ;;
  esac
  # Eight bits a channel, no alpha: the form shows them as they are decoded, with no conversion.
  eval "$C 340x240 xc:white $args $hole $extra png24:button/images/$out.png"
}
mkdir -p button/images buttonbox/images
for s in r k; do
  sketch htbr_$s $s none
  for v in vl vgo vgu vso vsu; do sketch htbr_$s$v $s $v; done
done

icon() { # path size draw...
  out=$1; size=$2; shift 2
  eval "$C $size xc:none $* png32:$out"
}
ico() { # path draw... (32x32 icon file)
  out=$1; shift
  eval "$C 32x32 xc:none $* png32:/tmp/tavo_ico.png"
  convert /tmp/tavo_ico.png -define icon:auto-resize=32 "$out"
  rm -f /tmp/tavo_ico.png
}

# Loads table and import.
icon button/images/trash.png 16x16 "-fill '#777' -stroke '#333' -draw 'rectangle 4,4 11,14' -draw 'line 2,3 13,3' -draw 'line 6,1 9,1' -stroke '#ddd' -draw 'line 6,6 6,12' -draw 'line 9,6 9,12'"
icon button/images/snigrexport.png 32x32 "-fill '#2a6fb0' -stroke '#123' -draw 'rectangle 3,6 22,26' -fill '#f0a020' -draw 'polygon 18,12 29,16 18,20'"
ico "button/images/Undo.ico" "-fill none -stroke '#2a6fb0' -strokewidth 3 -draw 'arc 6,8 26,28 180,360' -fill '#2a6fb0' -draw 'polygon 2,18 10,18 6,24'"
ico "button/images/Save.ico" "-fill '#2a6fb0' -stroke '#123' -draw 'rectangle 4,4 27,27' -fill white -draw 'rectangle 9,5 22,13' -fill '#ccc' -draw 'rectangle 9,18 22,27'"
ico "button/images/Turn off.ico" "-fill none -stroke '#b02a2a' -strokewidth 3 -draw 'arc 5,5 27,27 -60,240' -draw 'line 16,3 16,15'"

# Tool bar.
ico buttonbox/images/nad.ico "-fill '#1f3f8f' -draw 'rectangle 3,6 28,25' -fill '#f5d000' -draw 'circle 16,16 16,10'"
ico buttonbox/images/prev.ico "-fill white -stroke '#333' -draw 'rectangle 6,3 22,27' -fill none -strokewidth 2 -draw 'circle 20,19 20,13' -draw 'line 24,23 29,28'"
ico buttonbox/images/dru.ico "-fill '#bbb' -stroke '#333' -draw 'rectangle 3,12 28,24' -fill white -draw 'rectangle 8,4 23,12' -draw 'rectangle 8,20 23,29'"
ico buttonbox/images/sav.ico "-fill '#2a6fb0' -stroke '#123' -draw 'rectangle 4,4 27,27' -fill white -draw 'rectangle 9,5 22,13' -fill '#ccc' -draw 'rectangle 9,18 22,27'"
ico buttonbox/images/help.ico "-fill '#2a8f4f' -draw 'circle 16,16 16,3' -fill white -draw 'rectangle 14,21 18,25' -draw 'rectangle 14,12 18,19' -draw 'rectangle 11,8 20,11'"
ico buttonbox/images/exit.ico "-fill '#b02a2a' -draw 'rectangle 5,3 20,28' -fill white -draw 'polygon 14,16 26,9 26,23'"
ico buttonbox/images/quor_cal.ico "-fill '#eee' -stroke '#333' -draw 'rectangle 6,3 25,28' -fill '#6a9' -draw 'rectangle 9,6 22,11' -fill '#333' -draw 'rectangle 9,14 12,17' -draw 'rectangle 14,14 17,17' -draw 'rectangle 19,14 22,17' -draw 'rectangle 9,20 12,23' -draw 'rectangle 14,20 17,23' -draw 'rectangle 19,20 22,23'"
ico buttonbox/images/tool.ico "-fill '#777' -stroke '#333' -draw 'circle 16,16 16,6' -fill '#ddd' -draw 'circle 16,16 16,12'"
icon buttonbox/images/auto_aus.png 45x37 "-fill '#ccc' -stroke '#555' -draw 'roundrectangle 4,10 40,27 8,8' -fill white -draw 'circle 13,18 13,11'"
icon buttonbox/images/auto_an.png 45x37 "-fill '#3a3' -stroke '#555' -draw 'roundrectangle 4,10 40,27 8,8' -fill white -draw 'circle 31,18 31,11'"
icon buttonbox/images/tab_system.png 45x27 "-fill '#e8c890' -stroke '#6b4a1e' -draw 'rectangle 2,8 42,19' -fill white -draw 'rectangle 18,11 26,16'"
icon buttonbox/images/tab_verstaerkung.png 45x27 "-fill '#e8c890' -stroke '#6b4a1e' -draw 'rectangle 2,8 42,19' -fill none -stroke '#1f5fa8' -strokewidth 2 -draw 'rectangle 14,5 30,22'"
icon buttonbox/images/tab_schnittgroessen.png 45x27 "-fill none -stroke '#333' -draw 'line 4,14 40,14' -stroke '#b02a2a' -strokewidth 2 -draw 'line 10,4 10,14' -draw 'line 34,14 34,24'"
icon buttonbox/images/htbr_vorz_schngr.png 170x63 "-fill '#e8c890' -stroke '#6b4a1e' -draw 'rectangle 50,22 120,42' -stroke '#b02a2a' -strokewidth 2 -draw 'line 30,32 48,32' -draw 'line 122,32 140,32' -draw 'line 60,8 60,20' -draw 'line 110,44 110,56' -fill none -draw 'arc 20,16 44,48 90,270' -draw 'arc 126,16 150,48 -90,90'"

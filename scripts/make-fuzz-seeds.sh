#!/usr/bin/env bash
# Writes the seed inputs of the fuzz harnesses into tests/<library>/fuzz_seeds/<harness>/, beside
# each harness's source: the real files of the demo environment and the data folder that the
# harness's reader takes, the test fixtures of that reader, and, for files the repository holds no
# copy of, one sample in the form the program itself writes. The seeds are committed; run this
# once when a harness is added or its reader's files change, then commit what it wrote.
# A harness without seeds gets no folder (it starts from the empty input).
# usage: scripts/make-fuzz-seeds.sh [HARNESS...]   (no name: every harness under tests/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
o=$'\xae' c=$'\xaf'
nad="$root/data/DATA/NAD"

seeds_of() { # HARNESS: fills $dir
  case "$1" in
    fuzz_position_file) copy "$root"/demo/work/*.inp "$root"/tests/core/data/*.inp ;;
    fuzz_position_header) copy "$root"/demo/work/*.txt
      sample oneline.txt "12a:Tr${o}ger"$'\n' ;;
    fuzz_choice_file) copy "$nad"/*.NAD
      sample DEMO_01.nad $'\n\nACTIV_NADNAME\n'"${o}Deutschland${c}"$'\n0\n' ;;
    fuzz_set_file|fuzz_user_set_list) copy "$nad"/*.NAD ;;
    fuzz_set_migration) copy "$nad"/*.NAD
      { printf '#NAD\n 3 %sAlt%s\n' "$o" "$c"; tail -n +3 "$nad/Deutschland.NAD"; } > "$dir/NADs-EC2.DEF" ;;
    fuzz_wusl_tables) copy "$root"/tests/national_annex/data/*.def
      sample WUSL-Tabs.def $'#TAB3\nSchneelast\nkN/m2\n1 2 3 4\n15 26 7 8\n2 2 %6.3f\n'
      sample WUSL-Tabs.val $'#NAD\nDeutschland\n2\n~DATA\n1 5 6\n~TAB3\nSchnee DE\n0.85 1.1\n2.5 3\n~TAB99\n 10 0 1 2 3 4 5 6 7 8 9 10\n' ;;
    fuzz_app_registry) copy "$root"/data/EXEC/*/VERSION
      sample APP0001.DEF "#NAME"$'\n'"${o}Tr${o}ger${c}"$'\n#NADS -1\n0 1 11101 0 0 1101 0 0 0 1\n#SERVICE\n'"${o}Bauteil${c}"$'\n#GROUP\nx\n'"${o}Stab${c}"$'\n' ;;
    fuzz_component_answer) copy "$root"/data/EXEC/VYOSelct
      sample VYOSelct.tmp $'3 0\n'"${o}DECKENBALKEN${c}"$'\n'"${o}${c}"$'\n'"${o}${c}"$'\n'"${o}/DATA/BAUTEILE/DECKENBALKEN${c}"$'\n'"${o}${c}"$'\n'"${o}${c}"$'\n1\n'"${o}/DATA/BAUTEILE/B.7z${c}"$'\n' ;;
    fuzz_help_file) copy "$root"/data/PRIVATE/*.HLP ;;
    fuzz_picture_info) sample answer.tmp "OLI_GRAPHIC_Picture_Info"$'\n'"${o}foto.png${c}"$'\n640 480\n300\n5.4187 4.0640\n' ;;
    fuzz_file_replace) { printf 'GL24h\nGL28h\n'; cat "$root"/demo/work/DEMO_01.inp; } > "$dir/replace.inp" ;;
    fuzz_window_settings)
      sample fonts.ini $'[General]\nFont="DejaVu Sans,10,-1,5,50,0,0,0,0,0"\nFontTable="DejaVu Sans,9,-1,5,50,0,0,0,0,0"\nMainWindowBackground=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xe1\\xe1\\xe1\\xe1\\xe1\\xe1\\0\\0)\nToolBarBackground=#d0d0d0\n'
      sample user.ini $'[General]\nNAME=Muster\nLIST=a, "b,c", @Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xe1\\xe1\\xe1\\xe1\\xe1\\xe1\\0\\0)\n[Druck]\nQueue="lp \\"x\\""\nold=@Variant(\\0\\0\\0@\\0\\0\\0\\x2\\0\\x41@&\\0\\0\\0\\0\\0\\0\\xff\\xff\\xff\\xff\\x5\\x1\\0\\x32\\x10)\n'
      sample toolbar.ini $'[General]\nmainwindowState=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\0\\xfd\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x4\\0\\0\\0\\x4\\0\\0\\0\\b\\0\\0\\0\\b\\xfc\\0\\0\\0\\x1\\0\\0\\0\\x2\\0\\0\\0\\x1\\0\\0\\0\\xe\\0t\\0o\\0o\\0l\\0\\x42\\0\\x61\\0r\\x1\\0\\0\\0\\0\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n'
      sample position.ini $'[General]\nmainwindowGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x4\\xff\\0\\0\\x3\\x1f\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x4\\xff\\0\\0\\x3\\x1f\\0\\0\\0\\0\\0\\0\\0\\0\\x5\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\x4\\xff\\0\\0\\x3\\x1f)\nmainwindowState=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\0\\xfd\\0\\0\\0\\0\\0\\0\\x5\\0\\0\\0\\x3\\x10\\0\\0\\0\\x4\\0\\0\\0\\x4\\0\\0\\0\\b\\0\\0\\0\\b\\xfc\\0\\0\\0\\0)\n' ;;
    fuzz_oli_viewer) copy "$root"/tests/platform/viewer/data/*.oli ;;
    fuzz_screw_table) copy "$root"/data/PRIVATE/*.dat "$root"/tests/fasteners/data/*.dat ;;
    fuzz_export_block) copy "$root"/demo/DATA/BAUTEILE/*.EX2 ;;
    fuzz_beamcut_result|fuzz_import_result) copy "$root"/tests/environment/data/TROBAVEX.ERG ;;
    *) ;;
  esac
}
copy() { for f in "$@"; do [ -f "$f" ] && cp "$f" "$dir/" || true; done; }
sample() { printf '%s' "$2" > "$dir/$1"; }

if [ $# -gt 0 ]; then
  sources=""
  for name in "$@"; do
    src=$(find tests -name "$name.cpp" | head -n 1)
    [ -n "$src" ] || { echo "no harness $name under tests/" >&2; exit 1; }
    sources="$sources $src"
  done
else
  sources=$(find tests -name 'fuzz_*.cpp' | sort)
fi
for src in $sources; do
  name=$(basename "$src" .cpp)
  dir=$(dirname "$src")/fuzz_seeds/$name
  rm -rf "$dir"
  mkdir -p "$dir"
  seeds_of "$name"
  if [ -z "$(ls -A "$dir")" ]; then
    rmdir "$dir"
    rmdir "$(dirname "$dir")" 2>/dev/null || true
  else
    echo "$dir: $(ls "$dir" | wc -l) seeds"
  fi
done

#!/usr/bin/env bash
# Checks the layers of the libraries under src/: every library includes headers of its own floor
# or below only, links only libraries below it, and only gui, platform and app include widgets.
# The floors are TAVO_LIBS in the top-level CMakeLists.txt, lowest first.
# usage: scripts/check_layers.sh [source-dir]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

floors=$(sed -n '/^set(TAVO_LIBS/,/)/p' CMakeLists.txt | sed 's/set(TAVO_LIBS//; s/)//' | tr -s ' \n' ' ')
[ -n "${floors// /}" ] || { echo "check_layers: no TAVO_LIBS in CMakeLists.txt"; exit 1; }

{
  # "I <file> <line> <included path>" for every quoted include of the libraries and the program
  grep -rHnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src |
    sed -E 's/^([^:]+):([0-9]+):.*#[[:space:]]*include[[:space:]]*"([^"]+)".*/I \1 \2 \3/'
  # "W <file> <line> <header>" for every include of a widget header
  grep -rHnE --include='*.h' --include='*.cpp' \
      '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(QtWidgets|QtWidgets/.*|Q[A-Za-z]*(Widget|Box|Button|Dialog|Edit|Label|Layout|Menu|MenuBar|ToolBar|StatusBar|Action|Window|View|Application))>' src |
    grep -vE '<Q(Core|Gui)Application>' |
    sed -E 's/^([^:]+):([0-9]+):.*<([^>]+)>.*/W \1 \2 \3/' || true
  # "W <file> <line> <class>" for every use of a widget class, also one reached through a header of
  # the platform (comment lines left out)
  widget_class='Q(MessageBox|Widget|Dialog|Application|MainWindow|Label|PushButton|LineEdit|ComboBox|CheckBox|Action|Menu)'
  grep -rHnE --include='*.h' --include='*.cpp' "\\b${widget_class}\\b" src |
    grep -vE '^[^:]+:[0-9]+:[[:space:]]*(//|#[[:space:]]*include)' |
    sed -E "s/^([^:]+):([0-9]+):.*\\b(${widget_class})\\b.*/W \\1 \\2 \\3/" || true
  # "L <CMakeLists> <library> <linked target>" for every library link
  for f in $(find src -name CMakeLists.txt | sort); do
    tr -s ' \n()' '\n' <"$f" | grep -E '^tavo_' | grep -vE '^tavo_library$' | sed "s|^|L $f x |" || true
  done
} | awk -v floors="$floors" '
function floor_of(path,    best, len, i) {
  best = -1; len = 0
  for (i = 1; i <= n; ++i)
    if ((path == lib[i] || index(path, lib[i] "/") == 1) && length(lib[i]) > len) { best = i; len = length(lib[i]) }
  return best
}
function owner(file,    d) {   # library folder of a source file: src/<folder>/<name>
  d = file; sub(/^src\//, "", d); sub(/\/[^\/]*$/, "", d); return d
}
BEGIN {
  n = split(floors, lib, " ")
  for (i = 1; i <= n; ++i) { name = lib[i]; gsub(/\//, "_", name); target["tavo_" name] = i }
  bad = 0
}
$1 == "I" {
  d = owner($2)
  if (d == "app") next
  own = floor_of(d)
  if (own < 0) { printf "%s: library folder src/%s is not in TAVO_LIBS\n", $2, d; bad = 1; next }
  f = floor_of($4)
  if (f > own) { printf "%s:%s: %s includes \"%s\" from %s, a floor above it\n", $2, $3, d, $4, lib[f]; bad = 1 }
}
$1 == "W" {
  d = owner($2)
  if (d == "app" || d == "gui" || d ~ /^platform\//) next
  printf "%s:%s: widget <%s> outside gui and platform\n", $2, $3, $4; bad = 1
}
$1 == "L" {
  d = owner($2)
  if (d == "app") next
  own = floor_of(d)
  if (!($4 in target)) next
  if (target[$4] >= own) { printf "%s: %s links %s, not a floor below it\n", $2, d, $4; bad = 1 }
}
END {
  if (bad) { print "check_layers: the floors, lowest first: " floors; exit 1 }
}'

#!/usr/bin/env bash
# Start-up of the program to its first event-loop turn against an empty QMainWindow program, both
# run as whole processes, interleaved, offscreen and under a virtual X server.
# usage: bench/startup.sh [build folder] [rounds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-15}
program="$build/src/app/tavo52"
empty="$build/bench/bench_empty_window"

if [ "${STARTUP_INNER:-}" != 1 ]; then
  # The demo position in a scratch copy of the demo environment, as scripts/demo.sh opens it.
  scratch=$(mktemp -d /tmp/tavo52-startup.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
  cp -r "$root/demo/." "$scratch/"
  "$root/scripts/install-data.sh" "$scratch" >/dev/null
  export EXEC="$scratch/EXEC" DATA="$scratch/DATA" DRAM="$scratch/DRAM" TEMP="$scratch/TEMP"
  export _VYK_CWD_="$scratch/work" TAVO52_QUIT_AT_FIRST_TURN=1 STARTUP_INNER=1
  QT_QPA_PLATFORM=offscreen "$0" "$build" "$rounds" offscreen
  # One X server for all rounds, so that its own start is in neither figure.
  env -u QT_QPA_PLATFORM xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build" "$rounds" xvfb
  exit 0
fi

platform=$3
ms() { local t0 t1; t0=$(date +%s%N); "$@" >/dev/null 2>&1 || true; t1=$(date +%s%N); echo $(( (t1 - t0) / 1000 )); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
prog_us=() empty_us=()
ms "$program" DEMO 0 1 0 >/dev/null; ms "$empty" >/dev/null   # warm the file cache
for ((i = 1; i <= rounds; i++)); do
  p=$(ms "$program" DEMO 0 1 0)
  e=$(ms "$empty")
  prog_us+=("$p") empty_us+=("$e")
  printf '%s round %2d: program %8.1f ms  empty window %8.1f ms  ratio %5.2f\n' "$platform" "$i" \
    "$(echo "$p / 1000" | bc -l)" "$(echo "$e / 1000" | bc -l)" "$(echo "$p / $e" | bc -l)"
done
pm=$(printf '%s\n' "${prog_us[@]}" | median)
em=$(printf '%s\n' "${empty_us[@]}" | median)
printf '%s median: program %.1f ms  empty window %.1f ms  ratio %.2f\n' "$platform" \
  "$(echo "$pm / 1000" | bc -l)" "$(echo "$em / 1000" | bc -l)" "$(echo "$pm / $em" | bc -l)"

#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for a short while.
# usage: scripts/fuzz.sh [build-dir] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
secs=${2:-10}
CC=clang CXX=clang++ "$root/scripts/setup.sh" "$build" -DTAVO_FUZZ=ON -DTAVO_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
found=0
for f in $(find "$build" -type f -name 'fuzz_*' -perm -u+x | sort); do
  found=1
  t=$secs
  # The position file reader is the front door of every position: it gets longer.
  case "$(basename "$f")" in fuzz_position_file) t=$((secs * 2));; esac
  echo "fuzzing $(basename "$f") for ${t}s"
  corpus=$(mktemp -d)
  "$f" -max_total_time="$t" -rss_limit_mb=4096 "$corpus" 2>"$corpus.log" || { tail -50 "$corpus.log"; exit 1; }
  rm -rf "$corpus" "$corpus.log"
done
[ $found -eq 1 ] || echo "no fuzz harness built"

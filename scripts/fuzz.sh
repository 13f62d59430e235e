#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for a short while.
# usage: scripts/fuzz.sh [build-dir] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
secs=${2:-10}
CC=clang CXX=clang++ SETUP_CONFIGURE_ONLY=1 "$root/scripts/setup.sh" "$build" -DTAVO_FUZZ=ON -DTAVO_BENCH=OFF
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): phony$/\1/p' | grep -v "_autogen" | sort -u || true)
if [ -z "$targets" ]; then
  echo "no fuzz harness built"
  exit 0
fi
cmake --build "$build" -j"$(nproc)" --target $targets
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
found=0
for name in $targets; do
  f=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
  [ -n "$f" ] || { echo "harness $name was not built"; exit 1; }
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

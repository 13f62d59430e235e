#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for a short while from its seeds, the committed
# files in tests/<library>/fuzz_seeds/<harness>/ (written by scripts/make-fuzz-seeds.sh).
# usage: scripts/fuzz.sh [build-dir] [seconds]
# FUZZ_BUILD_ONLY=1 builds and prints the harnesses' paths, one a line, without running them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
secs=${2:-10}
CC=clang CXX=clang++ SETUP_CONFIGURE_ONLY=1 "$root/scripts/setup.sh" "$build" -DTAVO_FUZZ=ON -DTAVO_BENCH=OFF >&2
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): phony$/\1/p' | grep -v "_autogen" | sort -u || true)
if [ -z "$targets" ]; then
  echo "no fuzz harness built" >&2
  exit 0
fi
cmake --build "$build" -j"${JOBS:-$(nproc)}" --target $targets >&2
harnesses=""
for name in $targets; do
  f=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
  [ -n "$f" ] || { echo "harness $name was not built" >&2; exit 1; }
  harnesses="$harnesses $f"
done
if [ "${FUZZ_BUILD_ONLY:-0}" = 1 ]; then
  printf '%s\n' $harnesses
  exit 0
fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for f in $harnesses; do
  name=$(basename "$f")
  t=$secs
  # The position file reader is the front door of every position: it gets longer.
  case "$name" in fuzz_position_file) t=$((secs * 2));; esac
  echo "fuzzing $name for ${t}s"
  # New inputs go into the first folder only: the seed folder stays as committed.
  corpus=$(mktemp -d)
  seeds=($(find "$root/tests" -type d -path "*/fuzz_seeds/$name"))
  "$f" -max_total_time="$t" -timeout=20 -rss_limit_mb=4096 "$corpus" "${seeds[@]}" 2>"$corpus.log" ||
    { tail -50 "$corpus.log"; exit 1; }
  rm -rf "$corpus" "$corpus.log"
done

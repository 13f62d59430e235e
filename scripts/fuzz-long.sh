#!/usr/bin/env bash
# The long fuzz run (not part of CI): every harness for MINUTES minutes from its seeds (the
# committed files in tests/<library>/fuzz_seeds/<harness>/), at most
# PARALLEL at a time at the lowest priority, then one line per harness with its executions and
# result. Findings stay in OUT/<harness>/ (crash-*, timeout-*, oom-* and the log).
# usage: scripts/fuzz-long.sh [minutes] [parallel] [out-dir] [build-dir]
# FUZZ_ONLY="fuzz_a fuzz_b" runs only the harnesses named; FUZZ_NO_BUILD=1 takes the harnesses
# already built in the build dir as they are. FUZZ_TIMEOUT (seconds, default 300) is the wall
# time one input may take: at the lowest priority on a busy machine an input can wait many
# seconds for the processor, and a real hang still shows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
parallel=${2:-3}
out=${3:-$root/build-fuzz-long}
build=${4:-$root/build-fuzz}
timeout=${FUZZ_TIMEOUT:-300}
if [ "${FUZZ_NO_BUILD:-0}" = 1 ]; then
  harnesses=$(find "$(cd "$build" && pwd)/tests" -type f -name 'fuzz_*' -perm -u+x | sort)
else
  harnesses=$(JOBS=${JOBS:-$parallel} FUZZ_BUILD_ONLY=1 "$root/scripts/fuzz.sh" "$build")
fi
if [ -n "${FUZZ_ONLY:-}" ]; then
  chosen=""
  for f in $harnesses; do
    case " $FUZZ_ONLY " in *" $(basename "$f") "*) chosen="$chosen $f";; esac
  done
  harnesses=$chosen
fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$out"

run_one() {
  local f=$1 name dir
  name=$(basename "$f")
  dir="$out/$name"
  rm -rf "$dir"
  mkdir -p "$dir/corpus"
  # New inputs go into the first folder only: the seed folder stays as committed.
  local seeds=()
  seeds=($(find "$root/tests" -type d -path "*/fuzz_seeds/$name"))
  local rc=0
  (cd "$dir" && nice -n 19 "$f" -max_total_time=$((minutes * 60)) -timeout="$timeout" -rss_limit_mb=4096 \
     -print_final_stats=1 corpus "${seeds[@]}" >log 2>&1) || rc=$?
  echo "$rc" > "$dir/rc"
}

running=0
for f in $harnesses; do
  run_one "$f" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

failed=0
printf '%-26s %14s  %s\n' harness executions result
for f in $harnesses; do
  name=$(basename "$f")
  dir="$out/$name"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n 1)
  rc=$(cat "$dir/rc")
  result="clean"
  if [ "$rc" != 0 ]; then
    result="FAILED (exit $rc, see $dir/log)"
    failed=1
  fi
  printf '%-26s %14s  %s\n' "$name" "${runs:-?}" "$result"
done
exit $failed

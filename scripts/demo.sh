#!/usr/bin/env bash
# Builds the program (its target only, with its run-time data beside it; no tests, no benchmarks)
# and opens the demo position in a scratch copy of the demo environment.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SETUP_CONFIGURE_ONLY=1 "$root/scripts/setup.sh" "$root/build"
cmake --build "$root/build" -j"$(nproc)" --target tavo52

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display is available. Run the demo inside a virtual X server:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' scripts/demo.sh"
  exit 0
fi

# The demo position in the repository stays as it is: the program works on a copy.
scratch=$(mktemp -d /tmp/tavo52-demo.XXXXXX)
cp -r "$root/demo/." "$scratch/"
"$root/scripts/install-data.sh" "$scratch"
export EXEC="$scratch/EXEC" DATA="$scratch/DATA" DRAM="$scratch/DRAM" TEMP="$scratch/TEMP"
export _VYK_CWD_="$scratch/work"
echo "demo environment: $scratch"

set +e
"$root/build/src/app/tavo52" DEMO 0 1 0
rc=$?
set -e
# The program ends with 1 after a normal close of its window.
[ $rc -eq 1 ] && exit 0
exit $rc

#!/usr/bin/env bash
# Regenerates the golden output lists of tests/core/golden/ after a deliberate change of the
# printed calculation: builds the core tests and runs the golden-print tests in their write mode
# (TAVO_GOLDEN_UPDATE=1), which writes each position's list over its golden file. Review the
# change with `git diff tests/core/golden` and commit it with the change that caused it.
# usage: scripts/update-golden.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ -f "$build/CMakeCache.txt" ] || SETUP_CONFIGURE_ONLY=1 "$root/scripts/setup.sh" "$build"
cmake --build "$build" --target test_core
binary=$(find "$build" -type f -name test_core -perm -u+x | head -n 1)
[ -n "$binary" ] || { echo "test_core was not built in $build" >&2; exit 1; }
TAVO_GOLDEN_UPDATE=1 QT_QPA_PLATFORM=offscreen "$binary" --gtest_filter='Positions/GoldenPrint.*'
git -C "$root" status --short -- tests/core/golden

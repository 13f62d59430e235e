#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds.
# usage: scripts/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

pkgs="cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n libqt5svg5-dev fonts-dejavu-core
  p7zip-full xvfb xauth imagemagick poppler-utils clang libclang-rt-14-dev locales"
missing=""
for p in $pkgs; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends $missing
fi

cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
# SETUP_CONFIGURE_ONLY=1 leaves the build to the caller (the fuzz script builds only its harnesses).
[ "${SETUP_CONFIGURE_ONLY:-0}" = 1 ] && exit 0
cmake --build "$build" -j"$(nproc)"

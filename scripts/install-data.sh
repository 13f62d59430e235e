#!/usr/bin/env bash
# Copies the shipped run-time data into an environment folder tree (DATA, private data folder).
# usage: scripts/install-data.sh <environment-root>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
env=$1
mkdir -p "$env/DATA" "$env/DRAM" "$env/TEMP" "$env/EXEC" "$env/work"
[ -d "$root/data/DATA" ] && cp -r "$root/data/DATA/." "$env/DATA/"
[ -d "$root/data/PRIVATE" ] && mkdir -p "$env/DATA/PRIVATE" && cp -r "$root/data/PRIVATE/." "$env/DATA/PRIVATE/"
[ -d "$root/data/EXEC" ] && cp -r "$root/data/EXEC/." "$env/EXEC/"
exit 0

#!/usr/bin/env bash
# Builds the checker and runs it on the bundled example map (or on the map given), then prints
# the report. Installs what is missing first.
#   tools/run-example.sh [MAP]
# QUILLON_BUILD_DIR names another build folder than build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
map=$(realpath "${1:-$root/examples/base-example.map}")
bash "$root/tools/install-deps.sh"

build=${QUILLON_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$jobs" --target quillon2 quillon_databases >/dev/null

# The checker writes the line file beside the map, so it works on a copy in a scratch folder.
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-example.XXXXXX")
cp "$map" "$work/"
name=$(basename "$map")
cat >"$work/settings.ini" <<SETTINGS
[Quake2]
LastMapFile=$work/$name
LastOutputFile=$work/report.txt
EntityDB=quake2.db
Show=0x000f
FindBadWals=0x0000
OutputType=0x0000
SETTINGS

status=0
QUILLON_STANDALONE=1 "$build/bin/Quake2/quillon2" "$work/settings.ini" || status=$?
cat "$work/report.txt"
echo
echo "quillon2 exit code: $status (1 completed, 2 uppercase animated textures, 3 textures missing, 0 critical error)"
echo "Report and line file (when brushes were faulty) are in $work"

#!/usr/bin/env bash
# Builds Quillon and its checker, runs a report on the bundled example map (or on the map given)
# from the command line, then prints the report. Installs what is missing first.
#   tools/run-example.sh [MAP]
# QUILLON_BUILD_DIR names another build folder than build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
map=$(realpath "${1:-$root/examples/base-example.map}")
bash "$root/tools/install-deps.sh"

build=${QUILLON_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$jobs" --target Quillon quillon2 quillon_databases >/dev/null

# The checker writes the line file beside the map, so it works on a copy in a scratch folder.
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-example.XXXXXX")
cp "$map" "$work/"
name=$(basename "$map")
# Quillon runs the report from its command line, without a display: its own index-overflow
# analysis around the checker's diagnostics. A scratch settings folder keeps personal settings out.
status=0
(cd "$work" && XDG_CONFIG_HOME="$work/config" "$build/bin/Quillon" +read "$name" +write report.txt +go) ||
  status=$?
cat "$work/report.txt"
echo
echo "Quillon exit status: $status (0 report written; messages start with \"Quillon:\")"
echo "Report and line file (when brushes were faulty) are in $work"

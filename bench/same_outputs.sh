#!/usr/bin/env bash
# Checks that two builds of the checker write the same outputs: every real map of the corpus and
# the two generated maps (maximum-size and plane-heavy), in the report mode (texture checks on,
# names lower-cased, no textures in the game folder), the entity-list mode and the used-file-list
# mode. Report, lists, temp file, line file, rewritten map, stdout, stderr and exit status must
# match byte for byte. For speed work: build the reference first, then compare.
#   bench/same_outputs.sh REFERENCE_QUILLON2 NEW_QUILLON2
# Both programs need their databases beside them. The generated maps come from build-bench/ (or
# QUILLON_BENCH_BUILD_DIR); the corpus from ../shared/corpus/maps (or QUILLON_CORPUS_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reference=$(realpath "$1")
candidate=$(realpath "$2")
build=${QUILLON_BENCH_BUILD_DIR:-$root/build-bench}
corpus=${QUILLON_CORPUS_DIR:-$root/../shared/corpus/maps}
. "$root/tests/support/three-modes.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-same.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game/quake2/baseq2/textures" "$work/maps"
cmake --build "$build" -j2 --target MaximumMap gen_max_map >/dev/null
"$build/bench/MaximumMap" >"$work/maps/maximum.map"
"$build/bench/gen_max_map" "$work/maps/plane-heavy.map" 2>/dev/null
[ -d "$corpus" ] && find "$corpus" -name '*.map' -type f -exec cp {} "$work/maps/" \;

# Runs CHECKER on MAP in MODE inside folder DIR and keeps what it wrote there.
run() {
  local checker=$1 map=$2 mode=$3 dir=$4
  mkdir -p "$dir"
  cp "$map" "$dir/test.map"
  three_mode_settings "$work/game/quake2/baseq2/textures" "$mode" >"$dir/settings.ini"
  local status=0
  (cd "$dir" && QUILLON_STANDALONE=1 "$checker" settings.ini </dev/null >stdout.txt 2>stderr.txt) || status=$?
  echo "$status" >"$dir/status"
}

count=0
differ=0
for map in "$work"/maps/*.map; do
  for mode in 0 1 2; do
    name=$(basename "$map" .map).$mode
    run "$reference" "$map" $mode "$work/reference/$name"
    run "$candidate" "$map" $mode "$work/candidate/$name"
    count=$((count + 1))
    if ! diff -r "$work/reference/$name" "$work/candidate/$name" >"$work/diff"; then
      echo "$name differs:"
      head -n 20 "$work/diff"
      differ=$((differ + 1))
    fi
  done
done
echo "$count runs compared, $differ differ"
[ "$differ" -eq 0 ]

#!/usr/bin/env bash
# Times the checker and the front end's analysis on the maximum-size map and on real maps.
#   bench/run_all.sh [RUNS] [MAP...]
# RUNS defaults to 5. The maps default to the maximum-size map of MaximumMap (2048 densely linked
# entities, 8192 brushes, 65536 sides), the plane-heavy one of gen_max_map (prisms of up to 18
# faces) and, when the corpus beside the checkout has them, the five largest real maps. For each
# map it prints the median wall and CPU time and the peak RSS of a report run, an entity-list run
# and a used-file-list run of quillon2, each as a ratio to a bare tokenizer pass (bare_tokenizer.c
# built with cc -O2, the yardstick of every ratio; our own tokenizer's pass is shown beside it),
# and the front end's analysis (in-process, median of 5). At the end it sums the report runs of
# the real maps. The game folder has no textures, so the report run lists every brush under its
# missing textures: the heaviest report.
# QUILLON_BENCH_BUILD_DIR names the build folder (default build-bench/, a RelWithDebInfo build).
# Targets: report run within 5x the bare pass and under 64 MB on the maximum-size map, within 3x
# on the largest real maps (summed); entity-list and used-file-list runs within 3x; the analysis
# under 0.2 s.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
shift || true
build=${QUILLON_BENCH_BUILD_DIR:-$root/build-bench}
corpus=$root/../shared/corpus/maps

# An existing build folder keeps its own configuration (it should be a Release or RelWithDebInfo one).
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BUILD_UI=OFF -DQUILLON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quillon2 quillon_databases TokenizerBench OverflowAnalysisBench MaximumMap gen_max_map >/dev/null
checker=$build/bin/Quake2/quillon2
# The shared yardstick when the checkout has one beside it, else our copy.
yardstick_source=$root/../shared/bench/bare_tokenizer.c
[ -f "$yardstick_source" ] || yardstick_source=$root/bench/bare_tokenizer.c
bare=$build/bench/bare_tokenizer
cc -O2 -o "$bare" "$yardstick_source"
database=$build/bin/Quake2/quake2.db

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/bench/MaximumMap" >"$work/maximum.map"
"$build/bench/gen_max_map" "$work/plane-heavy.map" 2>/dev/null
maps=("$@")
if [ ${#maps[@]} -eq 0 ]; then
  maps=("$work/maximum.map" "$work/plane-heavy.map")
  for map in muffmode/mm-dredwerkz-build.map muffmode/mm-tpain-a1.map muffmode/mm-campgr-rc1.map \
             muffmode/mm-wicked.map ericw-tools/base1-test.map; do
    [ -f "$corpus/$map" ] && maps+=("$corpus/$map")
  done
  # The same real maps with bracketed texture axes on every face line.
  for map in "${maps[@]}"; do
    [[ "$map" == "$corpus"/* ]] || continue
    awk -f "$root/tests/support/valve-form.awk" "$map" >"$work/twin-$(basename "$map")"
    maps+=("$work/twin-$(basename "$map")")
  done
fi
mkdir -p "$work/game/quake2/baseq2/textures"

# Writes the settings of one mode; the map is a copy in the work folder (the line file goes beside it).
settings() {
  cat <<SETTINGS
[Quake2]
LastMapFile=$work/run.map
LastOutputFile=$work/report.txt
EntityDB=quake2.db
TextureDir=$work/game/quake2/baseq2/textures
Show=0x000f
FindBadWals=0x0001
FixTextures=0x0000
OutputType=0x000$1
[FindEnt]
Output=$work/ents.txt
Temp=$work/temp.txt
ClassName=all
Option=0x0001
[FileList]
Output=$work/files.txt
Temp=$work/temp.txt
SETTINGS
}

# Runs a command RUNS times; prints "median-wall-seconds median-cpu-seconds peak-rss-megabytes".
measure() {
  local walls=() cpus=() rss=0 i start end user system peak
  for ((i = 0; i < runs; i++)); do
    rm -f "$work/report.txt"
    start=$(date +%s%N)
    QUILLON_STANDALONE=1 /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    walls+=($(((end - start) / 1000)))
    # GNU time puts a line about a non-zero exit status first; the figures are on the last line.
    read -r user system peak < <(tail -n 1 "$work/time")
    cpus+=($(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1e6 }'))
    [ "$peak" -gt "$rss" ] && rss=$peak
  done
  local middle=$(((runs + 1) / 2))
  local wall cpu
  wall=$(printf '%s\n' "${walls[@]}" | sort -n | sed -n "${middle}p")
  cpu=$(printf '%s\n' "${cpus[@]}" | sort -n | sed -n "${middle}p")
  awk -v w="$wall" -v c="$cpu" -v kb="$rss" 'BEGIN { printf "%.3f %.3f %.1f\n", w / 1e6, c / 1e6, kb / 1024 }'
}

# A / B to one decimal; "-" when B is below the clock's resolution (CPU time comes in hundredths).
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else printf "-" }'
}

echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); $runs runs each; build $build"
echo "yardstick: $yardstick_source"
corpus_bare=0
corpus_report=0
twin_bare=0
twin_report=0
for map in "${maps[@]}"; do
  cp "$map" "$work/run.map"
  for mode in 0 1 2; do settings $mode >"$work/settings$mode.ini"; done
  echo
  echo "$map ($(du -k "$map" | cut -f1) KB)"
  read -r bare_wall bare_cpu bare_mb < <(measure "$bare" "$work/run.map")
  printf '  %-20s %7.3f s wall %7.3f s CPU %7.1f MB\n' "bare pass" "$bare_wall" "$bare_cpu" "$bare_mb"
  read -r token_wall token_cpu token_mb < <(measure "$build/bench/TokenizerBench" --once "$work/run.map")
  printf '  %-20s %7.3f s wall %7.3f s CPU %7.1f MB   %5sx / %5sx the bare pass\n' "our tokenizer pass" \
    "$token_wall" "$token_cpu" "$token_mb" "$(ratio "$token_wall" "$bare_wall")" "$(ratio "$token_cpu" "$bare_cpu")"
  name=("report run" "entity-list run" "used-file-list run")
  for mode in 0 1 2; do
    read -r wall cpu mb < <(measure "$checker" "$work/settings$mode.ini")
    printf '  %-20s %7.3f s wall %7.3f s CPU %7.1f MB   %5sx / %5sx the bare pass\n' "${name[$mode]}" \
      "$wall" "$cpu" "$mb" "$(ratio "$wall" "$bare_wall")" "$(ratio "$cpu" "$bare_cpu")"
    if [ "$mode" = 0 ] && [[ "$map" == "$corpus"/* ]]; then
      corpus_bare=$(awk -v a="$corpus_bare" -v b="$bare_wall" 'BEGIN { print a + b }')
      corpus_report=$(awk -v a="$corpus_report" -v b="$wall" 'BEGIN { print a + b }')
    elif [ "$mode" = 0 ] && [[ "$map" == "$work"/twin-* ]]; then
      twin_bare=$(awk -v a="$twin_bare" -v b="$bare_wall" 'BEGIN { print a + b }')
      twin_report=$(awk -v a="$twin_report" -v b="$wall" 'BEGIN { print a + b }')
    fi
  done
  QUILLON_STANDALONE=1 "$checker" "$work/settings0.ini" >/dev/null 2>&1 && status=0 || status=$?
  echo "  (report run exit code $status; 0 would mean a critical error)"
  printf '  %s\n' "$("$build/bench/OverflowAnalysisBench" "$database" "$work/run.map" | tail -n 1)"
done
if [ "$corpus_bare" != 0 ]; then
  echo
  printf 'real maps summed: report runs %.3f s wall, bare passes %.3f s wall: %sx\n' \
    "$corpus_report" "$corpus_bare" "$(ratio "$corpus_report" "$corpus_bare")"
fi
if [ "$twin_bare" != 0 ]; then
  printf 'their twins with texture axes: report runs %.3f s wall, bare passes %.3f s wall: %sx\n' \
    "$twin_report" "$twin_bare" "$(ratio "$twin_report" "$twin_bare")"
fi

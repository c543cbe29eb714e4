#!/usr/bin/env bash
# What free texture axes cost: each map is run as it is and as its twin with every face line written
# with bracketed axes (tests/support/valve-form.awk), in turns, and the medians are compared.
#   bench/valve_twin.sh [RUNS] [MAP...]
# RUNS (samples of QUILLON_BENCH_BATCH runs, 10 by default) defaults to 9. The maps default to the
# largest real maps of the corpus beside the checkout.
# For the report run and the entity-list run (reading and brush geometry only) it prints the median
# CPU and wall time of both forms and the ratio twin / classic. Target: 1.15 at most.
# QUILLON_BENCH_BUILD_DIR names the build folder (default build-bench/, a RelWithDebInfo build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
batch=${QUILLON_BENCH_BATCH:-10}
shift || true
build=${QUILLON_BENCH_BUILD_DIR:-$root/build-bench}
corpus=$root/../shared/corpus/maps

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BUILD_UI=OFF -DQUILLON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quillon2 quillon_databases >/dev/null
checker=$build/bin/Quake2/quillon2

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-twin-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
maps=("$@")
if [ ${#maps[@]} -eq 0 ]; then
  for map in muffmode/mm-dredwerkz-build.map muffmode/mm-tpain-a1.map muffmode/mm-campgr-rc1.map ericw-tools/base1-test.map; do
    [ -f "$corpus/$map" ] && maps+=("$corpus/$map")
  done
fi
mkdir -p "$work/game/quake2/baseq2/textures" "$work/classic" "$work/valve"

settings() {
  printf '[Quake2]\nLastMapFile=%s/run.map\nLastOutputFile=%s/report.txt\nEntityDB=quake2.db\n' "$1" "$1"
  printf 'TextureDir=%s/game/quake2/baseq2/textures\nFindBadWals=0x0001\nOutputType=0x000%s\n' "$work" "$2"
  printf '[FindEnt]\nOutput=%s/ents.txt\nTemp=%s/temp.txt\nClassName=all\n' "$1" "$1"
}

# One sample of BATCH runs in a row (CPU time is counted in hundredths of a second); prints
# "cpu-microseconds wall-microseconds" per run.
once() {
  local start end user system
  start=$(date +%s%N)
  QUILLON_STANDALONE=1 /usr/bin/time -f "%U %S" -o "$work/time" bash -c \
    'for ((k = 0; k < $3; k++)); do rm -f "$1/report.txt"; "$2" "$1/settings.ini" >/dev/null 2>&1; done' \
    - "$1" "$checker" "$batch" || true
  end=$(date +%s%N)
  read -r user system < <(tail -n 1 "$work/time")
  awk -v u="$user" -v s="$system" -v w=$(((end - start) / 1000)) -v n="$batch" \
    'BEGIN { printf "%d %d\n", (u + s) * 1e6 / n, w / n }'
}

median() { sort -n | sed -n "$(((runs + 1) / 2))p"; }

echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); medians of $runs samples of $batch runs, in turns; build $build"
for map in "${maps[@]}"; do
  cp "$map" "$work/classic/run.map"
  awk -f "$root/tests/support/valve-form.awk" "$map" >"$work/valve/run.map"
  echo
  echo "$map ($(du -k "$map" | cut -f1) KB; twin $(du -k "$work/valve/run.map" | cut -f1) KB)"
  for mode in 0 1; do
    for form in classic valve; do settings "$work/$form" $mode >"$work/$form/settings.ini"; done
    : >"$work/classic.times"
    : >"$work/valve.times"
    for ((i = 0; i < runs; i++)); do
      for form in classic valve; do once "$work/$form" >>"$work/$form.times"; done
    done
    c_cpu=$(cut -d' ' -f1 "$work/classic.times" | median); v_cpu=$(cut -d' ' -f1 "$work/valve.times" | median)
    c_wall=$(cut -d' ' -f2 "$work/classic.times" | median); v_wall=$(cut -d' ' -f2 "$work/valve.times" | median)
    awk -v name="$([ $mode = 0 ] && echo "report run" || echo "entity-list run")" -v cc="$c_cpu" -v vc="$v_cpu" \
      -v cw="$c_wall" -v vw="$v_wall" 'BEGIN {
        printf "  %-16s CPU %6.3f s classic %6.3f s twin  %.3fx   wall %6.3f s / %6.3f s  %.3fx\n",
          name, cc / 1e6, vc / 1e6, (cc > 0 ? vc / cc : 0), cw / 1e6, vw / 1e6, (cw > 0 ? vw / cw : 0) }'
  done
done

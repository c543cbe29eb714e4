#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ and runs each for a given time, one after the other.
#   tools/fuzz.sh [SECONDS] [TARGET...]    default: 600 seconds, every target
# Targets: FuzzCheckerRun FuzzDatabase FuzzIni FuzzGameFiles FuzzOverflowAnalysis.
# QUILLON_FUZZ_BUILD_DIR names the build folder (default build-fuzz/). The growing corpus of each
# target stays in <build>/corpus/<target>, seeded from the test maps, databases and settings;
# crashes, hangs and leaks go to <build>/findings/<target>/. A summary line per target gives the
# executions and the number of findings; the exit status is 1 when anything was found.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(FuzzCheckerRun FuzzDatabase FuzzIni FuzzGameFiles FuzzOverflowAnalysis)
build=${QUILLON_FUZZ_BUILD_DIR:-$root/build-fuzz}

bash "$root/tools/install-deps.sh" --fuzz
mkdir -p "$build"
if ! { cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DQUILLON_FUZZ=ON -DQUILLON_BUILD_UI=OFF -DQUILLON_BUILD_TESTS=OFF &&
       cmake --build "$build" -j2 --target "${targets[@]}"; } >"$build/fuzz-build.log" 2>&1; then
  tail -n 30 "$build/fuzz-build.log"
  exit 2
fi

# Copies the files matching the patterns into the corpus folder, once.
seed() {
  local corpus=$1; shift
  mkdir -p "$corpus"
  local file
  for file in "$@"; do
    [ -f "$file" ] && cp -n "$file" "$corpus/$(echo "$file" | md5sum | cut -c1-16)-$(basename "$file")"
  done
  return 0
}

seed_target() {
  local target=$1 corpus=$2
  shopt -s nullglob
  case $target in
    FuzzCheckerRun|FuzzOverflowAnalysis)
      seed "$corpus" "$root"/tests/golden/*/*.map "$root"/examples/*.map "$root"/tests/frontend/headless/*/*.map ;;
    FuzzDatabase) seed "$corpus" "$root"/data/Quake2/*.db "$root"/tests/golden/*/db/*.db ;;
    FuzzIni) seed "$corpus" "$root"/tests/golden/*/settings.ini "$root"/tests/frontend/headless/*/*.ini ;;
    FuzzGameFiles)
      mkdir -p "$corpus"
      # A pak of two entries, and a .wal naming its next frame.
      printf 'PACK\x0c\x00\x00\x00\x80\x00\x00\x00textures/e1u1/wall1_1.wal%*s\x8c\x00\x00\x00\x04\x00\x00\x00sound/world/amb1.wav%*s\x00\x00\x00\x00\x00\x00\x00\x00' \
        30 '' 36 '' | tr ' ' '\0' >"$corpus/seed-pak"
      { head -c 56 /dev/zero; printf 'e1u1/+1slime'; head -c 32 /dev/zero; } >"$corpus/seed-wal" ;;
  esac
  shopt -u nullglob
}

dictionary() {
  case $1 in
    FuzzCheckerRun|FuzzOverflowAnalysis) echo "-dict=$root/fuzz/map.dict" ;;
    FuzzDatabase) echo "-dict=$root/fuzz/db.dict" ;;
  esac
}

found_any=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$findings"
  seed_target "$target" "$corpus"
  log=$build/findings/$target.log
  : >"$log"
  # -malloc_limit_mb catches unbounded allocations, -timeout hangs, and leaks are detected after
  # each input. A finding ends the fuzzer, so it starts again on the grown corpus until the time
  # is used up; every finding stays in the findings folder.
  runs=0
  status=0
  end=$((SECONDS + seconds))
  while [ $SECONDS -lt $((end - 5)) ]; do
    set +e
    (cd "$findings" && nice -n 10 "$build/fuzz/$target" "$corpus" $(dictionary "$target") \
      -max_total_time=$((end - SECONDS)) -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$findings/" >>"$log" 2>&1)
    round=$?
    set -e
    executed=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+$' || true)
    runs=$((runs + ${executed:-0}))
    sed -i 's/stat::number_of_executed_units:/stat::counted_executed_units:/' "$log"
    [ $round -eq 0 ] && break
    status=$round
  done
  count=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'leak-*' -o -name 'oom-*' -o -name 'slow-unit-*' \) | wc -l)
  echo "$target: $runs executions in $seconds s, corpus $(ls "$corpus" | wc -l) files, $count findings (exit $status; log $log)"
  [ "$count" -eq 0 ] && [ "$status" -eq 0 ] || found_any=1
done
exit $found_any

#!/usr/bin/env bash
# Times the checker on a map at the size limits and prints wall time and peak memory.
#
#   bench/run_report_bench.sh [BUILD_DIR]
#
# BUILD_DIR (default: build) must hold bench/gen_max_map and bin/Quake2/quillon2 with its
# databases. Two runs are measured: an entity list run, which is reading plus brush geometry and
# one short list, and a full report run with every check.
set -eu
build=${1:-build}
generator=$build/bench/gen_max_map
checker=$build/bin/Quake2/quillon2
for file in "$generator" "$checker"; do
  [ -x "$file" ] || { echo "missing $file: build gen_max_map, quillon2 and quillon_databases first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cp "$checker" "$work/bin/quillon2"
cp "$(dirname "$checker")"/*.db "$work/bin/"
"$generator" "$work/max.map"

settings() { # OUTPUT_TYPE
  cat <<EOF
[Quake2]
LastMapFile=max.map
LastOutputFile=report.txt
EntityDB=quake2.db
TextureDir=quake2/baseq2/textures
FindBadWals=0x0001
OutputType=$1
[FindEnt]
Output=ents.txt
Temp=temp.txt
ClassName=light
EOF
}

# Prints wall time, CPU time (user + system) and peak resident memory of one run of the checker.
# On a busy machine the CPU time is the steadier figure.
measure() { # WHAT OUTPUT_TYPE
  settings "$2" >"$work/settings.ini"
  rm -f "$work/report.txt"
  if [ -x /usr/bin/time ]; then
    (cd "$work" && QUILLON_STANDALONE=1 /usr/bin/time -f "%e %U %S %M" -o time.txt ./bin/quillon2 settings.ini >/dev/null 2>&1) || true
    # GNU time puts a line about a non-zero exit status first; the figures are on the last line.
    read -r seconds user system kilobytes < <(tail -n 1 "$work/time.txt")
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
  else
    # Without GNU time: wall time from the shell, peak memory from the kernel's own record.
    local start end
    start=$(date +%s.%N)
    (cd "$work" && QUILLON_STANDALONE=1 ./bin/quillon2 settings.ini >/dev/null 2>&1 &
     pid=$!; peak=0
     while kill -0 "$pid" 2>/dev/null; do
       now=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
       [ "${now:-0}" -gt "$peak" ] && peak=$now
       sleep 0.01
     done
     echo "$peak" >peak.txt) || true
    end=$(date +%s.%N)
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')
    cpu="?"
    kilobytes=$(cat "$work/peak.txt")
  fi
  printf '%-32s %6s s wall, %6s s CPU, %8s KB peak\n' "$1:" "$seconds" "$cpu" "$kilobytes"
}

measure "reading and geometry (list run)" 1
measure "full report run" 0

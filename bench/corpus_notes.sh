#!/usr/bin/env bash
# Runs the built checker on every .map below a folder and counts what the reports say, to see
# which findings a mapper would get on real maps.
#
#   corpus_notes.sh [DATABASE] [MAP_FOLDER] [QUILLON2]
#
# DATABASE is a file name of data/Quake2 (default quake2.db); MAP_FOLDER defaults to
# ../shared/corpus/maps beside the source folder, QUILLON2 to build/bin/Quake2/quillon2. Prints the
# "intersects solid brush" notes per class, then every entity message per kind (numbers read N),
# most frequent first.
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
database=${1:-quake2.db}
maps=${2:-$source_dir/../shared/corpus/maps}
checker=${3:-$source_dir/build/bin/Quake2/quillon2}

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-corpus.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/reports"
cp "$checker" "$work/bin/quillon2"
cp "$source_dir"/data/Quake2/*.db "$work/bin/"
printf '[Quake2]\nLastMapFile=test.map\nLastOutputFile=report.txt\nEntityDB=%s\nTextureDir=none\nShow=0x000f\nFindBadWals=0x0000\nFixTextures=0x0000\nOutputType=0x0000\n' \
  "$database" > "$work/settings.ini"

count=0
while IFS= read -r -d '' map; do
  cp "$map" "$work/test.map"
  rm -f "$work/report.txt"
  (cd "$work" && QUILLON_STANDALONE=1 ./bin/quillon2 settings.ini </dev/null >/dev/null 2>&1) || true
  count=$((count + 1))
  if [ -f "$work/report.txt" ]; then
    cp "$work/report.txt" "$work/reports/$count.txt"
  else
    echo "no report for $map" >&2
  fi
done < <(find "$maps" -name '*.map' -print0 | sort -z)

echo "$count maps, database $database"
echo
echo "intersects solid brush, per class:"
cat "$work"/reports/*.txt | grep -a 'intersects solid brush' | awk '{print $3}' | sort | uniq -c | sort -rn
echo
echo "entity messages per kind:"
cat "$work"/reports/*.txt | grep -a '^entity [0-9]*[:,]' \
  | sed -E 's/^entity [0-9]+(, brush [0-9]+)?(, face [0-9]+)?: //; s/[0-9.-]+/N/g' | sort | uniq -c | sort -rn

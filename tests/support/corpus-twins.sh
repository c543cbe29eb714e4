#!/usr/bin/env bash
# Every real map of the corpus read in both face forms gives the same results: each map runs as it
# is and as its twin with free texture axes (valve-form.awk), in the report mode (texture checks on,
# names lower-cased), the entity-list mode and the used-file-list mode. Report, lists, line file,
# exit status and the rewritten map must match; the twin's map is compared in its own form.
#
#   corpus-twins.sh QUILLON2 CORPUS_DIR
#
# Exits 77 (skipped) when the corpus folder is absent.
set -u
checker=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
corpus=$2
support=$(cd "$(dirname "$0")" && pwd)
[ -d "$corpus" ] || { echo "no corpus maps beside the checkout"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-twins.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game/quake2/baseq2/textures"

. "$support/three-modes.sh"

# Runs one mode in folder $1 on map $2; prints the exit status.
run() {
  rm -rf "$1" && mkdir -p "$1" && cp "$2" "$1/test.map"
  three_mode_settings "$work/game/quake2/baseq2/textures" "$3" >"$1/settings.ini"
  (cd "$1" && QUILLON_STANDALONE=1 "$checker" settings.ini </dev/null >/dev/null 2>&1)
  echo $?
}

failed=0
count=0
while IFS= read -r map; do
  count=$((count + 1))
  awk -f "$support/valve-form.awk" "$map" >"$work/twin.map"
  for mode in 0 1 2; do
    classic=$(run "$work/classic" "$map" $mode)
    valve=$(run "$work/valve" "$work/twin.map" $mode)
    [ "$classic" = "$valve" ] || { echo "$map mode $mode: exit $valve, classic form $classic"; failed=1; }
    case $mode$classic in
      01|02|03|11|21) ;;
      *) echo "$map mode $mode: exit $classic, the run did not finish"; failed=1 ;;
    esac
    awk -f "$support/valve-form.awk" "$work/classic/test.map" >"$work/classic/test.twin"
    mv "$work/classic/test.twin" "$work/classic/test.map"
    for file in report.txt temp.txt ents.txt files.txt test.lin test.map; do
      if [ -e "$work/classic/$file" ] || [ -e "$work/valve/$file" ]; then
        cmp -s "$work/classic/$file" "$work/valve/$file" || {
          echo "$map mode $mode: $file differs between the forms"
          diff "$work/classic/$file" "$work/valve/$file" | head -n 10
          failed=1
        }
      fi
    done
  done
done < <(find "$corpus/" -name '*.map' -type f | sort)
echo "$count maps compared in both forms"
[ "$count" -gt 0 ] || exit 77
exit $failed

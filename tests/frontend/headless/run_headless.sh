#!/usr/bin/env bash
# Runs one headless front-end case and compares its report and messages byte for byte.
#
#   run_headless.sh CASE_DIR QUILLON QUILLON2 GAME_DIR [valve]
#
# A scratch install is made: bin/Quillon, bin/Quake2/quillon2 with the built databases, a case's
# own db/ folder copied over them, and a case's quillon.ini beside Quillon (a portable install, so
# no personal settings are read). The case's other files go to the scratch folder, which is the
# working directory; "args" holds the command line, one argument a line. The presence lock lives
# and the temporary settings files live in the scratch folder, so the checker's handshake with the
# front end is the real one and a file left behind is seen.
# Optional parts of a case: setup.sh, expected-exit (required), expected-stderr, expected-NAME for
# any file written, expected-absent. In the report, the date and time of the "Results for" line
# read MM/DD/YY HH:MM:SS; everywhere, the scratch folder reads @WORK@. With "valve" the case runs
# as its twin with free texture axes in every face line (tests/support/valve-twin.sh).
set -u
case_dir=$1
quillon=$2
checker=$3
game_dir=$4
form=${5:-classic}
name=$(basename "$case_dir")

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-headless.XXXXXX")
work=$(cd "$work" && pwd -P)  # as the programs see their own paths
twin_case_dir=
trap 'rm -rf "$work" $twin_case_dir' EXIT

mkdir -p "$work/bin/Quake2" "$work/home" "$work/run" "$work/tmp"
chmod 700 "$work/run"
cp "$quillon" "$work/bin/Quillon"
cp "$checker" "$work/bin/Quake2/quillon2"
cp "$game_dir"/*.db "$work/bin/Quake2/" 2>/dev/null
. "$(dirname "$0")/../../support/compare-case.sh"
prepare_case "$case_dir" "$work" "$work/bin/Quake2" "bash ./setup.sh" "$form" || exit 1
[ -f "$case_dir/quillon.ini" ] && cp "$case_dir/quillon.ini" "$work/bin/quillon.ini"

args=()
[ -f "$case_dir/args" ] && mapfile -t args <"$case_dir/args"

(cd "$work" && env -u QUILLON_STANDALONE -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_CONFIG_HOME= \
  XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" ./bin/Quillon "${args[@]}" </dev/null >"$work/.stdout" 2>"$work/.stderr")
status=$?

# The work folder and the report's date and time differ from run to run.
result_filter() {
  sed -e "s|$work|@WORK@|g" \
      -e 's|^\(Results for .* - \)[0-9][0-9]/[0-9][0-9]/[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]$|\1MM/DD/YY HH:MM:SS|' "$1"
}
failed=0
compare_case "$case_dir" "$work" "$name" "$status" || failed=1
if [ -n "$(ls -A "$work/tmp")" ]; then
  echo "$name: a temporary settings file was left behind"
  failed=1
fi
exit $failed

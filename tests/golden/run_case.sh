#!/usr/bin/env bash
# Runs one whole-run case of the checker and compares its output files byte for byte.
#
#   run_case.sh CASE_DIR QUILLON2 GAME_DIR [valve]
#
# With "valve" the case runs as its twin: after setup.sh every face line of its maps is rewritten
# with free texture axes, and so are the expected maps (tests/support/valve-twin.sh); everything
# else is compared with the same expected files.
#
# The case folder is copied into a scratch folder, where the checker runs with "settings.ini" as its
# argument and the scratch folder as its working directory, so settings name files by relative
# paths. The checker is copied to bin/ with the built databases; a case's own db/ folder is copied
# over them. Optional parts of a case:
#   setup.sh          run with bash in the scratch folder before the checker (generated maps, paks),
#                     with lib/game-files.sh sourced; $GOLDEN_LIB names lib/ (brushes.awk)
#   expected-exit     the exit status (required; -1 is seen as 255)
#   expected-NAME     the file NAME must exist afterwards with exactly this content
#   expected-absent   names of files, one a line, that must not exist afterwards
#   expected-stdout   what the checker prints on standard output (expected-stderr: on standard error);
#                     the scratch folder reads @WORK@ in what is compared
#   args              the checker's arguments in place of "settings.ini", one a line
#   no-front-end      the checker runs as if no front end were running (the presence lock lives in
#                     the scratch folder, and none may be left there)
set -u
case_dir=$1
checker=$2
game_dir=$3
form=${4:-classic}
name=$(basename "$case_dir")
GOLDEN_LIB=$(cd "$(dirname "$0")" && pwd)/lib
support=$(cd "$(dirname "$0")/../support" && pwd)
export GOLDEN_LIB

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-golden.XXXXXX")
work=$(cd "$work" && pwd -P)  # as the checker sees its own path
twin_case_dir=
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work" $twin_case_dir' EXIT

mkdir -p "$work/bin"
cp "$checker" "$work/bin/quillon2"
cp "$game_dir"/*.db "$work/bin/" 2>/dev/null
. "$support/compare-case.sh"
prepare_case "$case_dir" "$work" "$work/bin" 'bash -c ". \"\$GOLDEN_LIB/game-files.sh\" && . ./setup.sh"' "$form" || exit 1

args=(settings.ini)
[ -f "$case_dir/args" ] && mapfile -t args <"$case_dir/args"
standalone=(QUILLON_STANDALONE=1)
[ -f "$case_dir/no-front-end" ] && standalone=(-u QUILLON_STANDALONE)
mkdir -m 700 "$work/.run"
(cd "$work" && env "${standalone[@]}" XDG_RUNTIME_DIR="$work/.run" ./bin/quillon2 "${args[@]}" </dev/null >"$work/.stdout" 2>"$work/.stderr")
status=$?

# The scratch folder differs from run to run; messages that name it read @WORK@.
result_filter() { sed -e "s|$work|@WORK@|g" "$1"; }
compare_case "$case_dir" "$work" "$name" "$status" || exit 1
[ -z "$(ls -A "$work/.run")" ] || { echo "$name: a presence lock was left"; exit 1; }

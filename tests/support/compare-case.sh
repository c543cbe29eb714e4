# Prepares a whole run from its case folder and compares the finished run with the case's expected-*
# files; sourced by the runners of golden and headless cases.
#
#   prepare_case CASE_DIR WORK DB_DIR SETUP FORM
#
# Copies the case's files to WORK, except expected-*, args, quillon.ini and db/, whose files go to
# DB_DIR; runs the case's setup.sh in WORK with the command SETUP; with FORM "valve" turns the case
# into its twin with free texture axes (valve-twin.sh). Sets case_dir to the folder that holds the
# expected files (the caller removes twin_case_dir).
#
#   compare_case CASE_DIR WORK NAME STATUS
#
# expected-exit holds the exit status; expected-stdout and expected-stderr are compared with
# WORK/.stdout and WORK/.stderr, any other expected-NAME with WORK/NAME; expected-absent lists files
# that must not exist. Each difference is printed; the result is 1 when anything differs. The runner
# defines result_filter FILE, which prints a result with its run-specific parts masked.

prepare_case() {
  local entry
  case_dir=$1
  for entry in "$1"/*; do
    case $(basename "$entry") in
      expected-*|db|args|quillon.ini) ;;
      *) cp -R "$entry" "$2/" ;;
    esac
  done
  [ ! -d "$1/db" ] || cp -R "$1/db/." "$3/"
  if [ -f "$2/setup.sh" ]; then
    (cd "$2" && eval "$4") || { echo "$(basename "$1"): setup.sh failed"; return 1; }
  fi
  if [ "$5" = valve ]; then
    . "$(dirname "${BASH_SOURCE[0]}")/valve-twin.sh"
    valve_twin "$2" "$1"
    case_dir=$twin_case_dir
  fi
}

compare_case() {
  local case_dir=$1 work=$2 name=$3 status=$4 failed=0 expected base file actual expected_status
  expected_status=$(tr -d ' \r\n' <"$case_dir/expected-exit")
  if [ "$status" != "$expected_status" ]; then
    echo "$name: exit status $status, expected $expected_status"
    echo "--- stderr:"; cat "$work/.stderr"
    failed=1
  fi
  for expected in "$case_dir"/expected-*; do
    base=$(basename "$expected")
    file=${base#expected-}
    case "$file" in
      exit|absent) continue ;;
      stdout|stderr) actual="$work/.$file" ;;
      *) actual="$work/$file" ;;
    esac
    if [ ! -f "$actual" ]; then
      echo "$name: $file was not written"
      failed=1
    elif ! cmp -s "$expected" <(result_filter "$actual"); then
      echo "$name: $file differs (- expected, + actual):"
      diff -u --label expected --label actual "$expected" <(result_filter "$actual") | cat -A | head -n 80
      failed=1
    fi
  done
  if [ -f "$case_dir/expected-absent" ]; then
    while IFS= read -r file || [ -n "$file" ]; do
      file=${file%$'\r'}
      [ -n "$file" ] || continue
      if [ -e "$work/$file" ]; then
        echo "$name: $file exists but must not"
        failed=1
      fi
    done <"$case_dir/expected-absent"
  fi
  return $failed
}

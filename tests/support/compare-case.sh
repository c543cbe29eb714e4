# Compares a finished whole run with the expected-* files of its case folder; sourced by the runners
# of golden and headless cases.
#
#   compare_case CASE_DIR WORK NAME STATUS
#
# expected-exit holds the exit status; expected-stdout and expected-stderr are compared with
# WORK/.stdout and WORK/.stderr, any other expected-NAME with WORK/NAME; expected-absent lists files
# that must not exist. Each difference is printed; the result is 1 when anything differs. A runner
# may define result_filter FILE to print a result with its run-specific parts masked.

if ! declare -F result_filter >/dev/null; then
  result_filter() { cat "$1"; }
fi

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

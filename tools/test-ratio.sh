#!/usr/bin/env bash
# Prints the size of the test code against the product code: non-blank lines that are not only a
# comment, in C++, shell, Python and awk files under tests/, against C++ outside tests/, bench/, fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { # FILES... on stdin
  xargs -r awk '
    /^[[:space:]]*$/ { next }
    FILENAME ~ /\.(cpp|h)$/ && /^[[:space:]]*\/\// { next }
    FILENAME ~ /\.(sh|py|awk)$/ && /^[[:space:]]*#/ { next }
    { n++ } END { print n + 0 }'
}
tests=$(git ls-files 'tests/*' | grep -E '\.(cpp|h|sh|py|awk)$' | count)
code=$(git ls-files '*.cpp' '*.h' | grep -vE '^(tests|bench|fuzz)/' | count)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d, ratio %.2f\n", t, c, t / c }'

#!/usr/bin/env bash
# Builds Quillon and runs the whole test suite.
#   tools/test.sh            the normal build in build/
#   tools/test.sh --sanitize an AddressSanitizer and UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON -DQUILLON_BUILD_UI=OFF)
fi
if [ "${CI:-}" = "true" ]; then
  options+=(-DQUILLON_WERROR=ON)
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" "${options[@]}"
cmake --build "$build" -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 300

#!/usr/bin/env bash
# Installs what building and testing Quillon needs on Debian, when it is missing.
#   tools/install-deps.sh [--fuzz]   --fuzz adds clang and libFuzzer for tools/fuzz.sh
set -euo pipefail
packages=(cmake g++ make libgtest-dev qt6-base-dev libgl-dev)
if [ "${1:-}" = "--fuzz" ]; then
  packages=(cmake make clang libclang-rt-14-dev)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs what building and testing Quillon needs on Debian, when it is missing.
#   tools/install-deps.sh [--fuzz | --package]
#     --fuzz     clang and libFuzzer for tools/fuzz.sh
#     --package  the build's packages and what tools/package.sh needs to make and check a .deb
set -euo pipefail
packages=(cmake g++ make libgtest-dev qt6-base-dev libgl-dev)
case "${1:-}" in
  --fuzz) packages=(cmake make clang libclang-rt-14-dev) ;;
  --package) packages+=(dpkg-dev file gzip lintian) ;;
esac
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

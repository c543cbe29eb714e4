#!/usr/bin/env bash
# Builds the Debian package quillon_VERSION_ARCH.deb in build/ and checks it with lintian.
# Installs what is missing first. Reuses build/ when it is there (tests are not needed for it).
#   tools/package.sh
# QUILLON_BUILD_DIR names another build folder than build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh" --package

build=${QUILLON_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BUILD_UI=ON)
if [ "${CI:-}" = "true" ]; then
  options+=(-DQUILLON_WERROR=ON)
fi
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$jobs" --target Quillon quillon2 quillon_databases quillon_man_pages quillon_changelog
# The package must hold the dialogs; a build without Qt would make a headless one.
if ! grep -q '^Qt6Widgets_DIR:PATH=/' "$build/CMakeCache.txt"; then
  echo "package.sh: Qt 6 was not found, so Quillon would have no dialogs" >&2
  exit 1
fi

rm -f "$build"/quillon_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/quillon_*.deb)
echo "Package: $package"
dpkg-deb --field "$package"
dpkg-deb --contents "$package" | awk '{print $6, $7, $8}'

# Errors fail; warnings are shown.
if ! lintian --tag-display-limit 0 "$package"; then
  echo "package.sh: lintian found errors in $package" >&2
  exit 1
fi

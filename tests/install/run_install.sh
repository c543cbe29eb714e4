#!/usr/bin/env bash
# Installs the build into a scratch prefix with a blank in its name, then runs the installed
# programs through their links in bin/ the way a user would: the front end without a display on
# a map, and both programs' --version. The programs must find their databases beside their real
# path, and nothing may be written into the installed tree.
#
#   run_install.sh BUILD_DIR MAP
set -u
build=$1
map=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-install.XXXXXX")
work=$(cd "$work" && pwd -P)
trap 'rm -rf "$work"' EXIT
prefix="$work/the prefix"
failed=0
fail() { echo "$*"; failed=1; }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  exit 1
fi
for file in bin/quillon bin/quillon2 lib/quillon/Quake2/quake2.db lib/quillon/Quake2/ctf.db \
    lib/quillon/manual.html share/man/man1/quillon.1.gz share/man/man1/quillon2.1.gz \
    share/applications/quillon.desktop share/icons/hicolor/scalable/apps/quillon.svg \
    share/mime/packages/quillon.xml share/doc/quillon/copyright share/doc/quillon/changelog.gz; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
[ "$(readlink "$prefix/bin/quillon")" = ../lib/quillon/Quillon ] || fail "bin/quillon is no relative link"
[ "$(readlink "$prefix/bin/quillon2")" = ../lib/quillon/Quake2/quillon2 ] || fail "bin/quillon2 is no relative link"

tree() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
tree >"$work/tree.before"

mkdir -p "$work/run" "$work/home" "$work/tmp" "$work/maps"
chmod 700 "$work/run"
cp "$map" "$work/maps/example.map"
run() {
  (cd "$work/maps" && env -u DISPLAY -u WAYLAND_DISPLAY -u QUILLON_STANDALONE QT_QPA_PLATFORM=offscreen \
    HOME="$work/home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" "$@" </dev/null)
}

run "$prefix/bin/quillon" +read example.map +write report.txt +go 2>"$work/stderr"
status=$?
[ "$status" = 0 ] || { fail "quillon exited with $status"; cat "$work/stderr"; }
grep -qF "$prefix/lib/quillon/Quake2/quake2.db" "$work/maps/report.txt" 2>/dev/null ||
  fail "the report does not name the installed database"
grep -q 'Runtime Errors/Inconsistencies' "$work/maps/report.txt" 2>/dev/null || fail "the report lacks the checker's part"
for program in quillon quillon2; do
  version=$(run "$prefix/bin/$program" --version) || fail "$program --version failed"
  case "$version" in
    "Quillon "[0-9]*|"quillon2 "[0-9]*) ;;
    *) fail "$program --version printed: $version" ;;
  esac
done

tree >"$work/tree.after"
if ! cmp -s "$work/tree.before" "$work/tree.after"; then
  fail "the installed tree changed:"
  diff "$work/tree.before" "$work/tree.after"
fi
exit $failed

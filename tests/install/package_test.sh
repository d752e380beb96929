#!/usr/bin/env bash
# package_test.sh SOURCE WORK [again]: makes the upstream tarball of a copy of SOURCE in WORK/first and
# builds the source and binary packages there with dpkg-buildpackage, as Debian builds them (the tests
# of the package build run in it),
# and has lintian --pedantic check the .changes, source and binary: no error, no warning. Overrides ship
# in the packages, each with its reason (debian/tessora.lintian-overrides).
# With "again", builds the same tree once more, later and in another, deeper folder, without its tests,
# and checks that every .deb is byte for byte the first build's: nothing but the changelog sets the time.
set -euo pipefail
source=$(cd "$1" && pwd -P) work=$2 mode=${3:-first}
for tool in dpkg-buildpackage dh lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/setup.sh --tests installs it)"; exit 77; }
done
# The sanitizers of the test build are not wanted in a package.
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

# copy DIR: the files of the source tree (what git knows of, or would add) into DIR/tessora.
copy() {
  rm -rf "$1"
  mkdir -p "$1/tessora"
  if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$source" ]; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
      xargs -0 cp --parents -t "$1/tessora")
  else
    tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$1/tessora" -xf -
  fi
}

# build DIR [OPTIONS]: the upstream tarball and the packages of a copy of the tree in DIR; the log in
# DIR/build.log.
build() {
  local dir=$1
  shift
  copy "$dir"
  if ! (cd "$dir/tessora" && bash scripts/upstream-tarball.sh && nice dpkg-buildpackage -us -uc -j"$(nproc)" "$@") \
    >"$dir/build.log" 2>&1; then
    echo "FAIL: dpkg-buildpackage in $dir; the end of $dir/build.log:"
    tail -n 60 "$dir/build.log"
    exit 1
  fi
}

first=$work/first
if [ "$mode" = first ]; then
  build "$first"
  grep -E '^ *[0-9]+% tests passed|^Total Test time' "$first/build.log" || true
  changes=$(ls "$first"/tessora_*.changes)
  (cd "$first" && sha256sum ./*.deb)
  dpkg-deb --field "$first"/tessora_*_*.deb Package Version Section Depends Recommends Suggests
  echo "lintian --pedantic $(basename "$changes"):"
  lintian --pedantic --fail-on error,warning "$changes"
  echo "lintian: no error, no warning"
  exit 0
fi

[ -n "$(ls "$first"/*.deb 2>/dev/null)" ] || { echo "FAIL: no first build in $first"; exit 1; }
# Another folder at another depth, another time: the dates in the package come from debian/changelog,
# and no path of the build may reach it.
again=$work/again/in/another/folder
build "$again" -Pnocheck
failed=0
for deb in "$first"/*.deb; do
  name=$(basename "$deb")
  a=$(sha256sum <"$deb") b=$(sha256sum <"$again/$name" 2>/dev/null || echo missing)
  echo "${a%% *}  first/$name"
  echo "${b%% *}  again/$name"
  [ "$a" = "$b" ] || { echo "FAIL: $name differs between the two builds"; failed=1; }
done
[ "$(cd "$first" && ls ./*.deb)" = "$(cd "$again" && ls ./*.deb)" ] || { echo "FAIL: not the same packages"; failed=1; }
[ $failed = 0 ] && echo "the two builds made the same packages"
exit $failed

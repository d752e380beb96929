#!/usr/bin/env bash
# package_test.sh SOURCE WORK: builds the release in WORK as a Debian package is built (the
# distribution's hardening flags, stripped, with its documents) and makes the package with cpack;
# lintian --pedantic must find no error and no warning in it. Overrides ship in the package, each
# with its reason (dist/lintian-overrides).
set -euo pipefail
source=$1 work=$2
command -v lintian >/dev/null || { echo "skipped: lintian is missing (scripts/setup.sh --tests installs it)"; exit 77; }
# The sanitizers of the test build are not wanted in a package.
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
cmake -S "$source" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSORA_TESTS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
nice cmake --build "$work" -j"$(nproc)" --target tessora dist_compressed >/dev/null
rm -f "$work"/tessora_*.deb
(cd "$work" && cpack -G DEB >/dev/null)
deb=$(ls "$work"/tessora_*.deb)
dpkg-deb --field "$deb" Package Version Section Depends Recommends Suggests
echo "lintian --pedantic $(basename "$deb"):"
lintian --pedantic --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

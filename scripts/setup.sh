#!/usr/bin/env bash
# Installs the Debian 12 packages Tessora needs, through apt-get (as root, or with sudo).
#   scripts/setup.sh          building and playing (./run.sh): the package's build dependencies less
#                             those only its tests use (debian/control, build profile nocheck), what the
#                             package depends on and recommends, and Ninja;
#   scripts/setup.sh --tests  also the tests' build dependencies and what only the developer's tests
#                             use (./test.sh): the fuzzing compiler, the X server, window manager and
#                             window tools of the real-window test, and lintian for the package's test.
# The build dependencies are read from debian/control, the one list of them.
# Safe to run again: nothing is installed or updated when everything is there.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=false
[ "${1:-}" = --tests ] && tests=true

# The binary package's Depends and Recommends, less what debhelper fills in; of alternatives, the first.
run_time=$(awk '
  /^Package: tessora$/ { pkg = 1 }
  pkg && /^(Depends|Recommends):/ { field = 1; sub(/^[A-Za-z]+:/, ""); print; next }
  pkg && field && /^[ \t]/ { print; next }
  { field = 0 }
' debian/control | tr ',' '\n' | sed 's/|.*//; s/(.*)//; s/[[:space:]]//g' | grep -v '^\$' | grep -v '^$')
# shellcheck disable=SC2206
pkgs=($run_time ninja-build)
if $tests; then
  pkgs+=(
    clang libclang-rt-14-dev
    xvfb xauth openbox xdotool x11-utils x11-apps netpbm
    lintian
  )
  profile=()
else
  profile=(-P nocheck)
fi

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
build_deps_met=false
if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "${profile[@]}" debian/control 2>/dev/null; then
  build_deps_met=true
fi
if [ ${#missing[@]} -gt 0 ] || ! $build_deps_met; then
  SUDO=()
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -qq
  $build_deps_met || "${SUDO[@]}" apt-get build-dep -y -qq --no-install-recommends "${profile[@]}" ./
  [ ${#missing[@]} -eq 0 ] || "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the game and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev
  fonts-ipafont-mincho
  libgtest-dev libgmock-dev googletest
  clang libclang-rt-14-dev
  xvfb xauth openbox xdotool x11-utils x11-apps netpbm
  desktop-file-utils appstream
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

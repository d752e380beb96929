#!/usr/bin/env bash
# Installs the Debian 12 packages Tessora needs: building and playing by default (./run.sh), and with
# --tests also what only the tests need (./test.sh): the fuzzing compiler, GoogleTest, the X server,
# window manager and window tools of the real-window test, the validators and lintian.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
# `file` is what CPack's dependency computation runs on the program (the README's Install step).
pkgs=(
  build-essential cmake ninja-build pkg-config file
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsdl2-dev libsdl2-mixer-dev libasound2-dev
  fonts-ipafont-mincho qt6-translations-l10n
)
if [ "${1:-}" = --tests ]; then
  pkgs+=(
    libgtest-dev libgmock-dev googletest
    clang libclang-rt-14-dev
    xvfb xauth openbox xdotool x11-utils x11-apps netpbm
    desktop-file-utils appstream lintian
  )
fi
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

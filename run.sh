#!/usr/bin/env bash
# Builds Tessora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSORA_TESTS=OFF
cmake --build build -j"$(nproc)"
cd build
exec ./tessora

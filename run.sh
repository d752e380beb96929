#!/usr/bin/env bash
# Builds what playing Tessora needs, optimised (Release, without the tests and their tools), and
# starts it from the build folder.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSORA_TESTS=OFF
cmake --build build --target tessora -j"$(nproc)"
cd build
exec ./tessora

#!/usr/bin/env bash
# Builds Tessora with the sanitizers and runs every test: a short run of the record-line fuzzer, then
# the unit and integration tests, a one-minute soak (tessora-soak, fixed seed) and the Debian package's
# build, lintian check and second build through CTest.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh --tests
jobs="$(nproc)"

# The machine may be shared: build and test at a lower priority, on every core.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSORA_SANITIZE=ON
nice cmake --build build-test -j"$jobs"

# The kifu reader must survive any bytes: fuzz it briefly.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTESSORA_FUZZ=ON \
  -DTESSORA_TESTS=OFF
nice cmake --build build-fuzz --target fuzz_kifu -j"$jobs"
mkdir -p build-fuzz/corpus
# Records the program wrote itself start the corpus, so that the fuzzer reaches files the reader takes.
rm -rf build-fuzz/seed && mkdir -p build-fuzz/seed
(cd build-fuzz/seed && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
  ../../build-test/tessora-script ../../tests/golden/record-computer-game.script >/dev/null 2>&1) || true
cp build-fuzz/seed/*.棋譜 build-fuzz/corpus/ 2>/dev/null || true
./build-fuzz/fuzz_kifu -max_total_time=20 -max_len=4096 -print_final_stats=1 build-fuzz/corpus 2>&1 | tail -n 15

cd build-test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
nice ctest --output-on-failure -j"$jobs"

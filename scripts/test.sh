#!/bin/sh
# Installs what is missing, builds Zova and runs every test:
#  1. the model alone, with Qt absent from the include path;
#  2. everything (model, command line, windows) with sanitizers and -Werror;
#  3. the benchmarks, built optimised, run once briefly so they cannot rot.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== model without Qt"
cmake -S . -B build-model -G Ninja -DZOVA_WITH_QT=OFF -DZOVA_SANITIZE=ON >/dev/null
cmake --build build-model -j "$jobs"
ctest --test-dir build-model --output-on-failure -j "$jobs"

echo "== everything, with sanitizers"
cmake -S . -B build-test -G Ninja -DZOVA_SANITIZE=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== benchmarks (smoke run)"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOVA_TESTS=OFF -DZOVA_BENCH=ON >/dev/null
cmake --build build-bench -j "$jobs"
for b in build-bench/bench/*_bench; do
  "$b" --benchmark_min_time=0.01 >/dev/null
done
echo "all tests passed"

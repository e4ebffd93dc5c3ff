#!/bin/sh
# Installs what is missing, builds Zova and runs every test:
#  1. the model alone, with Qt absent from the include path;
#  2. everything (model, command line, windows) with sanitizers and -Werror;
#  3. an optimised build: benchmarks run briefly, installed into a temporary
#     prefix and run from there, then the end-to-end tests under Xvfb;
#  4. the fuzzers, when their script is present.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
t0=$(date +%s)
step() { echo "== $1 ($(($(date +%s) - t0)) s)"; }

step "model without Qt"
cmake -S . -B build-model -G Ninja -DZOVA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-model -j "$jobs"
ctest --test-dir build-model --output-on-failure -j "$jobs"

step "everything, with sanitizers"
cmake -S . -B build-test -G Ninja -DZOVA_SANITIZE=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

step "optimised build, benchmarks, installation"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOVA_TESTS=OFF -DZOVA_BENCH=ON >/dev/null
cmake --build build-release -j "$jobs"
for b in build-release/bench/*_bench; do
  "$b" --benchmark_min_time=0.01 >/dev/null
done
prefix=$(mktemp -d)
cmake --install build-release --prefix "$prefix" >/dev/null
test "$("$prefix/bin/zova" --keys "2,+,3,=")" = 5
test -f "$prefix/share/applications/zova.desktop"
test -f "$prefix/share/man/man1/zova.1"
rm -rf "$prefix"

step "end-to-end under Xvfb"
bash tests/e2e/e2e.sh build-release/zova

if [ -f scripts/fuzz.sh ]; then
  step "fuzzing"
  sh scripts/fuzz.sh 60
fi
step "done"
echo "all tests passed"

#!/bin/sh
# Installs what is missing, builds Zova and runs every test:
#  0. the layer check: every include points down the layers;
#  1. the model alone, with Qt absent from the include path, and -Werror;
#  2. everything (model, command line, windows, benchmarks) with sanitizers and
#     -Werror: the unit tests and QtTests, a brief run of each benchmark, an
#     installation into a temporary prefix run from there, and the end-to-end
#     tests of the real program under Xvfb;
#  3. the Debian package built from debian/ (the model's tests run inside),
#     checked by lintian, hardening-check and the desktop and metainfo validators;
#  4. the fuzzers, half a minute each, side by side;
#  5. the size of the tests against the program.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
t0=$(date +%s)
step() { echo "== $1 ($(($(date +%s) - t0)) s)"; }

step "layers"
sh scripts/check-layers.sh

step "model without Qt"
cmake -S . -B build-model -G Ninja -DZOVA_WITH_QT=OFF -DZOVA_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG=-O0 >/dev/null
cmake --build build-model -j "$jobs"
# The behaviour corpus is replayed once, in the sanitizer build below.
ctest --test-dir build-model --output-on-failure -j "$jobs" -E corpus

step "everything, with sanitizers"
# ZOVA_BUNDLE_FONT: this installation is checked as on a system without fonts-dseg.
cmake -S . -B build-test -G Ninja -DZOVA_SANITIZE=ON -DZOVA_BENCH=ON -DZOVA_WERROR=ON \
  -DZOVA_BUNDLE_FONT=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

step "benchmarks (a brief run each)"
export ASAN_OPTIONS=detect_leaks=0
for b in build-test/bench/*_bench; do
  "$b" --benchmark_min_time=0.01 >/dev/null
done

step "installation"
prefix=$(mktemp -d)
cmake --install build-test --prefix "$prefix" >/dev/null
test "$("$prefix/bin/zova" --keys "2,+,3,=")" = 5
test -f "$prefix/share/applications/io.github.zova.zova.desktop"
test -f "$prefix/share/metainfo/io.github.zova.zova.metainfo.xml"
test -f "$prefix/share/icons/hicolor/scalable/apps/io.github.zova.zova.svg"
for size in 16 22 24 32 48 64 128 256; do
  test -f "$prefix/share/icons/hicolor/${size}x$size/apps/io.github.zova.zova.png"
done
test -f "$prefix/share/man/man1/zova.1.gz"
test -f "$prefix/share/doc/zova/copyright"
test -f "$prefix/lib/zova/libzova-window.so"
# The bundled font comes with its licence.
test -f "$prefix/share/zova/led.ttf"
grep -q "SIL OPEN FONT LICENSE Version 1.1" "$prefix/share/zova/OFL.txt"
rm -rf "$prefix"

step "end-to-end under Xvfb"
bash tests/e2e/e2e.sh build-test/zova

step "Debian package"
sh scripts/package.sh

step "fuzzing"
sh scripts/fuzz.sh 30

step "done"
echo "all tests passed"
sh scripts/test-ratio.sh

#!/bin/sh
# Rebuilds tests/corpus/golden.txt from the program as it behaves now. Run it
# only in a change that means to alter behaviour, and say in that change which
# lines moved and why (the summary below lists them).
#
#   scripts/regenerate-corpus.sh [BUILD_FOLDER]     (default: build-model)
#
# The start settings files next to golden.txt are inputs and stay as they are.
set -e
cd "$(dirname "$0")/.."
build=${1:-build-model}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DZOVA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-O0 >/dev/null
fi
cmake --build "$build" -j2 --target zova_make_corpus
golden=tests/corpus/golden.txt
before=$(mktemp)
trap 'rm -f "$before"' EXIT
cp "$golden" "$before" 2>/dev/null || : >"$before"
"$build/tests/zova_make_corpus" tests/corpus
changed=$(diff "$before" "$golden" | grep -c '^>' || true)
echo "$golden: $changed lines changed"
if [ "$changed" -gt 0 ]; then
  diff "$before" "$golden" | grep '^>' | cut -f2- | head -20
fi

#!/bin/sh
# Rewrites the table of README.md's "Keyboard reference" section from the key
# table. Run it after a change to the keys' captions or bindings; the test
# KeyboardReference.ReadmeShowsTheKeyTable fails until then.
#
#   scripts/regenerate-readme-keys.sh [BUILD_FOLDER]     (default: build-model)
set -e
cd "$(dirname "$0")/.."
build=${1:-build-model}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DZOVA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-O0 >/dev/null
fi
cmake --build "$build" -j2 --target zova_keyboard_reference
table=$(mktemp)
readme=$(mktemp)
trap 'rm -f "$table" "$readme"' EXIT
"$build/zova_keyboard_reference" >"$table"
# The section's table is its first run of lines starting with "|".
awk -v table="$table" '
  /^## / { inside = ($0 == "## Keyboard reference") }
  inside && !finished && /^\|/ {
    if (!started) { while ((getline line < table) > 0) print line; started = 1 }
    next
  }
  started { finished = 1 }
  { print }
' README.md >"$readme"
if cmp -s README.md "$readme"; then
  echo "README.md: keyboard reference unchanged"
else
  cp "$readme" README.md
  echo "README.md: keyboard reference rewritten"
fi

#!/bin/sh
# Rebuilds src/app/locale_table.cpp, the command line's decimal and grouping
# symbols, from the locale data of the Qt the window is built with. Run it
# after moving to another Qt version; locale_table_test fails until then.
#
#   scripts/regenerate-locale-table.sh [BUILD_FOLDER]     (default: build)
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j2 --target zova_locale_table
table=src/app/locale_table.cpp
before=$(mktemp)
trap 'rm -f "$before"' EXIT
cp "$table" "$before" 2>/dev/null || : >"$before"
"$build/zova_locale_table" "$table"
changed=$(diff "$before" "$table" | grep -c '^>' || true)
echo "$table: $changed lines changed"
if [ "$changed" -gt 0 ]; then
  diff "$before" "$table" | grep '^>' | cut -c3- | head -20
fi

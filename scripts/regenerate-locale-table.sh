#!/bin/sh
# Rewrites src/app/locale_table_fallback.cpp, the command line's decimal and
# grouping symbols in builds without Qt, from the locale data of the Qt found
# here (Debian 12's Qt 6.4.2 for the checked-in copy). Builds with Qt make their
# own table and warn when it differs from this copy.
#
#   scripts/regenerate-locale-table.sh [BUILD_FOLDER]     (default: build)
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j2 --target zova_locale_table
table=src/app/locale_table_fallback.cpp
before=$(mktemp)
trap 'rm -f "$before"' EXIT
cp "$table" "$before" 2>/dev/null || : >"$before"
"$build/zova_locale_table" "$table"
changed=$(diff "$before" "$table" | grep -c '^>' || true)
echo "$table: $changed lines changed"
if [ "$changed" -gt 0 ]; then
  diff "$before" "$table" | grep '^>' | cut -c3- | head -20
fi

#!/bin/sh
# Installs what is missing, builds Zova and opens the calculator window.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOVA_TESTS=OFF >/dev/null
cmake --build build-release
exec build-release/zova "$@"

#!/bin/sh
# Builds the libFuzzer targets with clang++ in build-fuzz and runs each one for
# $1 seconds (60 when not given) on a copy of its seed corpus in fuzz/corpus/.
# A crash leaves its input as build-fuzz/crash-* and ends the script with failure.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DZOVA_FUZZ=ON -DZOVA_WITH_QT=OFF \
  -DZOVA_TESTS=OFF -DZOVA_SANITIZE=ON -DZOVA_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
# The targets run side by side, one per core.
pids=""
for target in "$build"/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  work="$build/corpus-$name"
  rm -rf "$work"
  mkdir -p "$work"
  if [ -d "fuzz/corpus/$name" ]; then cp "fuzz/corpus/$name"/* "$work"/; fi
  echo "fuzzing $name for $seconds s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/$name-" -print_final_stats=1 "$work" >"$build/$name.log" 2>&1 &
  pids="$pids $!"
done
status=0
for pid in $pids; do wait "$pid" || status=1; done
for log in "$build"/*.log; do tail -n 12 "$log"; done
exit $status

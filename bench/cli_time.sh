#!/bin/sh
# Wall time of whole `zova --keys` runs: the median of N runs in milliseconds.
# Usage: bench/cli_time.sh path/to/zova [runs] [sequence]
python3 - "${1:?path to zova}" "${2:-50}" "${3:-2,+,3,X,4,=}" <<'PY'
import statistics, subprocess, sys, time
zova, runs, seq = sys.argv[1], int(sys.argv[2]), sys.argv[3]
times = []
for _ in range(runs):
    t = time.perf_counter()
    subprocess.run([zova, "--keys", seq], stdout=subprocess.DEVNULL, check=True)
    times.append((time.perf_counter() - t) * 1000)
print(f"zova --keys \"{seq}\": median {statistics.median(times):.2f} ms over {runs} runs "
      f"(min {min(times):.2f}, max {max(times):.2f})")
PY

#!/bin/bash
# Start-up of Zova against other calculators from Debian's packages and against bench/qt_floor
# (Zova's start-up widgets alone): time to the first mapped window and resident memory a second
# later, median of N runs with a fresh HOME each, measured by the shared startbench tool.
#
#   bench/startup_compare.sh path/to/zova [runs]   (needs xvfb, xdotool and the calculators)
set -u
here=$(cd "$(dirname "$0")" && pwd)
zova=$(readlink -f "${1:?path to zova}")
runs=${2:-10}
startbench=${STARTBENCH:-$here/../../shared/tools/startbench.sh}
[ -x "$startbench" ] || startbench="bash $startbench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in "$zova" "$(dirname "$zova")/bench/qt_floor" speedcrunch galculator qalculate-gtk; do
  name=$(basename "$program")
  command -v "$program" >/dev/null || { echo "$name not measured"; continue; }
  (cd "$work" && $startbench -q -n "$runs" --csv "$work/$name.csv" "$program") >/dev/null 2>&1
  [ -s "$work/$name.csv" ] && echo "$name $work/$name.csv"
done | python3 -c '
import csv, statistics, sys
print("median of %s runs\n%-15s%10s%10s%16s" % (sys.argv[1], "program", "window ms", "RSS MiB", "time, RSS/zova"))
base = None
for line in sys.stdin:
    if line.endswith("not measured\n"): print(line, end=""); continue
    name, path = line.split()
    rows = list(csv.DictReader(open(path)))
    t, r = (statistics.median(float(x[k]) for x in rows if x.get(k) not in (None, "", "--"))
            for k in ("ttw_ms", "rss_mib"))
    base = base or (t, r)
    print(f"{name:<15}{t:>10.0f}{r:>10.1f}{t / base[0]:>8.2f}{r / base[1]:>6.2f}")
' "$runs"

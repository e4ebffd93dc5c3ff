#!/bin/bash
# Start-up speed and memory of Zova against other calculators from Debian's
# packages: time until the first window is mapped and resident memory a second
# later, median of N runs each with a fresh HOME, all measured in one run by the
# shared startbench tool. Prints one table with each program's ratio to Zova.
# When the build also made bench/qt_floor (Zova's start-up widgets with no
# calculator behind them), its row shows what Qt Widgets alone holds.
#
#   bench/startup_compare.sh path/to/zova [runs]
#
# Needs xvfb, xdotool, speedcrunch, galculator and qalculate-gtk.
set -u
here=$(cd "$(dirname "$0")" && pwd)
zova=$(readlink -f "${1:?path to zova}")
runs=${2:-10}
startbench=${STARTBENCH:-$here/../../shared/tools/startbench.sh}
[ -x "$startbench" ] || startbench="bash $startbench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() { # name command
  local csv="$work/$1.csv"
  (cd "$work" && $startbench -q -n "$runs" --csv "$csv" "$2") >/dev/null 2>&1
  [ -s "$csv" ] || { echo "$1 - -"; return; }
  python3 - "$1" "$csv" <<'PY'
import csv, statistics, sys
name, path = sys.argv[1], sys.argv[2]
rows = list(csv.DictReader(open(path)))
def med(key):
    vals = [float(r[key]) for r in rows if r.get(key) not in (None, "", "--")]
    return statistics.median(vals) if vals else float("nan")
print(name, med("ttw_ms"), med("rss_mib"))
PY
}

{
  measure zova "$zova"
  floor=$(dirname "$zova")/bench/qt_floor
  [ -x "$floor" ] && measure qt-floor "$floor"
  command -v speedcrunch >/dev/null && measure speedcrunch speedcrunch
  command -v galculator >/dev/null && measure galculator galculator
  command -v qalculate-gtk >/dev/null && measure qalculate-gtk qalculate-gtk
} > "$work/results"

python3 - "$work/results" "$runs" <<'PY'
import sys
rows = [l.split() for l in open(sys.argv[1]) if l.strip()]
base = {r[0]: r for r in rows}.get("zova")
print(f"median of {sys.argv[2]} runs, time to first window and RSS one second later")
print(f"{'program':<15}{'window ms':>10}{'RSS MiB':>10}{'time / zova':>13}{'RSS / zova':>12}")
for name, ttw, rss in rows:
    if ttw == "-":
        print(f"{name:<15}{'not measured':>33}"); continue
    ttw, rss = float(ttw), float(rss)
    bt, br = float(base[1]), float(base[2])
    print(f"{name:<15}{ttw:>10.0f}{rss:>10.1f}{ttw / bt:>13.2f}{rss / br:>12.2f}")
PY

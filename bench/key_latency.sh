#!/bin/bash
# How long a key takes to show: from the window receiving the key's press to the end of the
# display's next paint, over 200 keys typed with xdotool into the real program under Xvfb and
# openbox, reported against one frame at 60 Hz (16 ms). Each round ends with "+", which writes
# to the tape, so the saves made while typing are measured too; TAPE_ENTRIES entries are on the
# tape at the start (none by default). Build Release first.
#
#   bench/key_latency.sh build-release/zova [TAPE_ENTRIES]
set -u
zova=$(readlink -f "${1:?path to zova (a Release build)}")
for t in Xvfb openbox xdotool xprop; do command -v $t >/dev/null || { echo "key_latency: $t missing"; exit 2; }; done
n=191
while [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$! work=$(mktemp -d) wm="" pid=""
trap 'kill $pid $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# A tape of earlier calculations, as the tape file beside the settings keeps them.
mkdir -p "$work/.config/zova"
awk -v n="${2:-0}" 'BEGIN { print "Zova paper tape 1"
  for (i = 1; i <= n; i++) printf "\t%d\t+\t%d\n", i, i }' >"$work/.config/zova/zova-tape.txt"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
HOME="$work" openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
export QT_QPA_PLATFORM=xcb HOME="$work" XDG_CONFIG_HOME="$work/.config" NO_AT_BRIDGE=1
(cd "$work" && ZOVA_LATENCY_LOG="$work/log" exec "$zova" >/dev/null 2>&1) &
pid=$!
xdotool windowactivate --sync "$(xdotool search --sync --onlyvisible --pid "$pid" | head -n1)"
sleep 0.5
# Twenty rounds of nine digits, which change the display, and "+".
for _ in $(seq 20); do
  for k in 1 2 3 4 5 6 7 8 9 plus; do xdotool key --delay 0 "$k"; sleep 0.03; done
done
sleep 0.5
kill -TERM "$pid"; wait "$pid" 2>/dev/null; pid=""
# Each line: the press and the paint's end in nanoseconds.
awk '{ print ($2 - $1) / 1e6 }' "$work/log" | sort -n | awk '
  { ms[NR] = $1; over += $1 > 16 }
  END {
    if (NR == 0) { print "key_latency: no measurements"; exit 1 }
    printf "%d keys of 200: median %.2f ms, 95th percentile %.2f ms, max %.2f ms (%d over 16 ms)\n",
           NR, ms[int((NR + 1) / 2)], ms[int(NR * 0.95 + 0.999999)], ms[NR], over
  }'

#!/bin/bash
# The work kept, with the real program under the X server and window manager e2e.sh started
# (openbox: no tray): one window for each settings file, started again with and without a
# session bus; Esc and "Appear on Startup" leave the window minimized; kill -9 two seconds after
# the last key loses nothing; a save that fails while the program runs is told once and loses
# nothing saved before it. The window's state is compared through the files a restart reads,
# against the same keys pressed through the command line on a copy of the settings file.
#
#   tests/e2e/keep_work.sh path/to/zova [--bus]    (DISPLAY set, a window manager running)
set -u
zova=$(readlink -f "${1:?path to zova}")
work=$(mktemp -d) pass=0 fail=0 pid=""
trap 'kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 HOME="$work" XDG_CONFIG_HOME="$work/config"
# Without --bus, no session bus: none named, and none where libdbus would look.
[ "${2:-}" = --bus ] || { unset DBUS_SESSION_BUS_ADDRESS; export XDG_RUNTIME_DIR="$work"; }
digits() { echo "$1" | sed 's/./& /g'; }
check() { if [ "$2" = "$3" ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL $1: expected [$2] got [$3]"; fi; }
start() { # folder: zova started there; sets pid and win (its main window, shown or minimized)
  (cd "$1" && exec "$zova" 2>>"$1/err") &
  pid=$! win=""
  for _ in $(seq 400); do win=$(xdotool search --pid "$pid" --name '^Zova' 2>/dev/null | head -n1)
    [ -n "$win" ] && xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'window state' && break; sleep 0.05; done
  [ -n "$win" ] || { echo "no window in $1: $(kill -0 "$pid" 2>/dev/null && echo running || echo ended)"; tail -n 3 "$1/err"; }
}
state() { xprop -id "$win" WM_STATE 2>/dev/null | grep -q Iconic && echo minimized || echo shown; }
focus() { xdotool windowactivate --sync "$win" >/dev/null 2>&1; sleep 0.1; }
stop() { kill "$pid"; wait "$pid" 2>/dev/null; pid=""; }
fresh_settings() { "$zova" --keys AC --settings "$1" >/dev/null; }

# A second start shows the first window, even minimized, and ends with 0; a folder with a
# settings file of its own gets a window of its own.
second_start() { # label
  local dir="$work/$1" first
  mkdir -p "$dir/own"
  start "$dir"
  first=$pid
  [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && check "$1: the window's name on the bus" 1 "$(dbus-send --session \
    --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.ListNames |
    grep -c '"io.github.zova.zova.file_')"
  xdotool windowminimize --sync "$win"
  (cd "$dir" && timeout 20 "$zova" 2>/dev/null)
  check "$1: a second start ends with" 0 $?
  sleep 0.5
  check "$1: the first window shown again" shown "$(state)"
  check "$1: and active" "$win" "$(xdotool getactivewindow 2>/dev/null)"
  fresh_settings "$dir/own/dadidedo.dat"
  start "$dir/own"
  check "$1: its own settings file, its own window" "yes" "$([ -n "$win" ] && kill -0 "$first" && echo yes)"
  stop
  pid=$first
  stop
}
if [ "${2:-}" = --bus ]; then
  second_start bus
  echo "$pass passed, $fail failed"
  exit "$fail"
fi
second_start "no-bus"
dbus-run-session -- bash "$0" "$zova" --bus 2>/dev/null | tee "$work/bus.out" | grep FAIL
check "under dbus-run-session" "5 passed, 0 failed" "$(grep -o '[0-9]* passed, [0-9]* failed' "$work/bus.out")"

# Esc minimizes where there is no tray, and "Appear on Startup" starts minimized.
dir="$work/minimized"
mkdir -p "$dir"
fresh_settings "$dir/dadidedo.dat"
start "$dir"
focus
xdotool key --window "$win" Escape
sleep 0.3
check "Esc minimizes" minimized "$(state)"
stop
sed -i '5s/.*/True\r/' "$dir/dadidedo.dat"
start "$dir"
sleep 0.3
check "Appear on Startup starts minimized" minimized "$(state)"
stop

# The kill campaign: calculations, statistics items and financial cells typed, two seconds'
# wait, kill -9, and the files compared with the same keys pressed through the command line.
# Each point: the X keys | the same keys as a sequence.
dir="$work/kill"
mkdir -p "$dir"
fresh_settings "$dir/dadidedo.dat"
cp "$dir/dadidedo.dat" "$work/mirror.dat"
: >"$work/tape.want"
kills=0 items=0 lost=0 began=$SECONDS
tape_lines() { tail -n +2 "$1" | awk -F'\t' '{ t = $1; for (i = 2; i <= 3; i++) if ($i != "") t = t == "" ? $i : t " " $i; print t }'; }
lines() { tr -d '\r' <"$1" | awk 'NR <= 2 || NR >= 19'; }  # K, M, the cells and the statistics list
for i in $(seq 20); do
  case $((i % 4)) in
    0) keys="$(digits $i) plus 3 asterisk 2 Return m" seq="$i,+,3,X,2,=,M+" ;;
    1) keys="$(digits $i) g 1 period 5 g" seq="$i,stat:enter,1.5,stat:enter" ;;
    2) keys="1 slash 0 Return 7 k $(digits $i) g" seq="1,÷,0,=,7,Kin,$i,stat:enter" ;;
    3) keys="ctrl+f $(digits $i)" seq="menu:financial,$i,fin:click=PV" ;;
  esac
  start "$dir"
  focus
  for k in $keys; do xdotool key --window "$win" --delay 0 "$k"; sleep 0.03; done
  if [ $((i % 4)) = 3 ]; then  # the PV cell, with the mouse, once the panel is open
    for _ in $(seq 100); do eval "$(xdotool getwindowgeometry --shell "$win")"
      [ "$WIDTH" -gt "$HEIGHT" ] && break; sleep 0.05; done
    sleep 0.2
    xdotool mousemove --window "$win" $((WIDTH * 72 / 100)) $((HEIGHT * 26 / 100)) click 1
  fi
  sleep 2
  kill -9 "$pid"
  wait "$pid" 2>/dev/null
  kills=$((kills + 1))
  "$zova" --keys "$seq" --settings "$work/mirror.dat" --json |
    python3 -c 'import json, sys; [print(t) for t in json.load(sys.stdin)["tape"]]' >>"$work/tape.want"
  lines "$work/mirror.dat" >"$work/settings.want"
  lines "$dir/dadidedo.dat" >"$work/settings.got"
  tape_lines "$dir/zova-tape.txt" >"$work/tape.got"
  items=$((items + $(wc -l <"$work/settings.want") + $(wc -l <"$work/tape.want")))
  lost=$((lost + $(diff "$work/settings.want" "$work/settings.got" | grep -c '^<') + $(diff "$work/tape.want" "$work/tape.got" | grep -c '^<')))
  pid=""
done
echo "kill campaign: $kills kills, $items items checked, $lost lost, $((SECONDS - began)) s"
check "kill campaign: items lost" 0 "$lost"
diff "$work/settings.want" "$work/settings.got" | head -5
diff "$work/tape.want" "$work/tape.got" | head -5

# A save that fails while the program runs, in a folder turned read-only and on a full disk:
# one report, and what was saved before is kept.
fault() { # label, the command that makes saving fail (run in the program's mount namespace)
  local dir="$work/fault-$1"
  mkdir -p "$dir"
  unshare -m bash -c "mount -t tmpfs -o size=256k tmpfs '$dir' && cd '$dir' &&
    '$zova' --keys AC --settings dadidedo.dat >/dev/null && { '$zova' 2>'$dir.err' & echo \$! >'$dir.pid'
    wait; cp dadidedo.dat '$dir.kept'; }" 2>/dev/null &
  for _ in $(seq 100); do [ -s "$dir.pid" ] && break; sleep 0.05; done
  pid=$(cat "$dir.pid")
  for _ in $(seq 200); do win=$(xdotool search --onlyvisible --pid "$pid" --name '^Zova' 2>/dev/null | head -n1)
    [ -n "$win" ] && break; sleep 0.05; done
  focus
  for k in 4 m; do xdotool key --window "$win" "$k"; sleep 0.03; done
  sleep 1
  nsenter -t "$pid" -m sh -c "$2"
  for k in 5 m 6 m; do xdotool key --window "$win" "$k"; sleep 0.7; done
  check "$1: one report" 1 "$(grep -c 'could not be saved' "$dir.err")"
  check "$1: told in the title" yes "$(xdotool getwindowname "$win" | grep -q 'could not be saved' && echo yes)"
  kill -9 "$pid"
  sleep 0.3
  check "$1: M as saved before" 4 "$(sed -n 2p "$dir.kept" | tr -d '\r ')"
  pid=""
}
fault read-only "mount -o remount,ro '$work/fault-read-only'"
fault full-disk "head -c 1M /dev/zero >'$work/fault-full-disk/fill' 2>/dev/null; true"

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]

#!/bin/bash
# End-to-end tests of the real program under Xvfb and the openbox window manager, for what only
# a real X server and window manager show: real key codes and chords (keypad with Num Lock,
# Shift+6) and Always on Top; then the window on a headless Wayland compositor, and none. Each case starts zova in a fresh folder, types with real X key
# events and reads the display by Ctrl+C. Settings written on the way out, and SIGTERM with a
# dialog open, are the close_on_signal and main_window QtTests'.
#
#   tests/e2e/e2e.sh path/to/zova
set -u
zova=$(readlink -f "${1:?path to zova}")
for t in Xvfb openbox xdotool xclip xprop numlockx weston; do command -v $t >/dev/null || { echo "e2e: $t missing"; exit 2; }; done
display_no=91
while [ -e /tmp/.X11-unix/X$display_no ]; do display_no=$((display_no + 1)); done
export DISPLAY=:$display_no
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$! wm="" work=$(mktemp -d)
trap 'kill $wm 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
# The window manager has started once it names itself on the root window.
HOME="$work" openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
numlockx on  # the keypad types digits and the point
export QT_QPA_PLATFORM=xcb HOME="$work" NO_AT_BRIDGE=1
pass=0 fail=0
start_zova() { # folder, with its own configuration folder
  (cd "$1" && XDG_CONFIG_HOME="$1/.config" exec "$zova" >/dev/null 2>&1) &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n1)
  for _ in $(seq 100); do [ -n "$win" ] && break; sleep 0.05
    win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1); done
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  # The window acts only on keys whose press it received: wait until it has the focus.
  for _ in $(seq 40); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && break; sleep 0.05; done
  sleep 0.1
}
# A chord goes down modifier first and comes up modifier last; its key ups are sent once more
# through XTEST, since those sent to a window without the focus leave the X server's keys held.
type_keys() { # xdotool key names
  for k in $1; do
    case "$k" in
      *+*) mod=${k%%+*} key=${k#*+}
           xdotool keydown --window "$win" "$mod" keydown --window "$win" "$key" \
                   keyup --window "$win" "$key" keyup --window "$win" "$mod"
           xdotool keyup "$key" keyup "$mod" ;;
      *) xdotool key --window "$win" --delay 0 "$k" ;;
    esac
    sleep 0.02
  done
}
stop_zova() { # SIGTERM; a run still going after five seconds is reported and killed
  kill "$pid" 2>/dev/null
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && { echo "WARN zova did not end on SIGTERM"; kill -9 "$pid"; }
  wait "$pid" 2>/dev/null
}
copy_display() { # xclip stays to serve the selection: its output must not hold the caller's pipe
  printf '' | xclip -selection clipboard >/dev/null 2>&1
  type_keys "ctrl+c"
  sleep 0.1
  xclip -o -selection clipboard 2>/dev/null
}
check() { # name expected actual
  if [ "$2" = "$3" ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL $1: expected [$2] got [$3]"; fi
}

# Each case: X key names | the display after them.
n=0
while IFS='|' read -r xkeys known; do
  n=$((n + 1))
  mkdir -p "$work/case$n"
  start_zova "$work/case$n"
  type_keys "$xkeys"
  check "case $n ($xkeys)" "$known" "$(copy_display)"
  stop_zova
done <<'CASES'
1 2 KP_Add 3 KP_Multiply 4 Return|24
2 shift+6 3 shift+6 2 Return|64
1 0 KP_Subtract 3 KP_Enter|7
9 minus 1 period 5 slash 2 Return|8.25
CASES

# Always on Top changes the state of the window that is there: the same window id, the window
# manager's "above" state, and the keyboard focus kept.
above() { xprop -id "$win" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE && echo on || echo off; }
mkdir -p "$work/ontop"
start_zova "$work/ontop"
first=$win
for want in on off; do
  type_keys "ctrl+t"
  sleep 0.3
  check "Ctrl+T ($want) keeps the window" "$first" "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1)"
  check "Ctrl+T ($want) keeps it active" "$first" "$(xdotool getactivewindow 2>/dev/null)"
  check "Ctrl+T ($want) keeps the focus" "$first" "$(xdotool getwindowfocus 2>/dev/null)"
  check "Ctrl+T turns the above state $want" "$want" "$(above)"
done
# The keyboard still reaches the calculator, with no click on it first.
xdotool key --delay 0 7
sleep 0.05
check "a key after Ctrl+T" 7 "$(copy_display)"
stop_zova

# Under a German desktop the window speaks German: the Tools menu's German
# access key (E&xtras) and its Paper Tape item (Pap&ierstreifen) open the tape
# window under its German title; the keys still compute, with the decimal comma.
dir="$work/german"; mkdir -p "$dir"
LANGUAGE=de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 start_zova "$dir"
type_keys "alt+x"
sleep 0.2
xdotool key i  # to the open menu, which holds the keyboard
tape=$(timeout 5 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Papierstreifen$' 2>/dev/null | head -n1)
check "German menus open the German paper tape" Papierstreifen "$(xdotool getwindowname "$tape" 2>/dev/null)"
xdotool windowactivate --sync "$tape" key Escape 2>/dev/null
xdotool windowactivate --sync "$win" 2>/dev/null
sleep 0.2
type_keys "2 plus 3 asterisk 4 Return"
check "2 + 3 × 4 in German" 14 "$(copy_display)"
type_keys "1 comma 5 asterisk 3 Return"
check "the German decimal comma" "4,5" "$(copy_display)"
# Units typed in German into the converter's lists convert: from "=", the last row's four keys,
# the ten categories and Constants lie before the From list, the To list after it; Enter gives
# the keys back to "=".
type_keys "ctrl+l"; sleep 0.3
type_keys "F5 $(printf 'Tab %.0s' $(seq 16))"
xdotool type --window "$win" --delay 30 Zoll; type_keys "Return $(printf 'Tab %.0s' $(seq 17))"
xdotool type --window "$win" --delay 30 Zentimeter; type_keys "Return 2 F11"
check "inches to centimeters typed in German" "5,08" "$(copy_display)"
stop_zova

# The German menu bar at 100 %: every title in sight, none behind the overflow button. Extras
# (Alt+X) opens below its title, past the window's middle, and "?" (Alt+?) further right, still
# over the window; a title out of sight opens its menu where the overflow button is, for both.
dir="$work/german-menus"; mkdir -p "$dir"
LANGUAGE=de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 start_zova "$dir"
menu_x() { # the left edge of the menu the access key opens
  type_keys "$1"; sleep 0.3
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$w" = "$win" ] || xdotool getwindowgeometry --shell "$w" | sed -n 's/^X=//p'
  done
  xdotool key Escape; sleep 0.1
}
eval "$(xdotool getwindowgeometry --shell "$win")"  # X and WIDTH of the calculator
ex=$(menu_x alt+x | head -n1) hx=$(menu_x alt+question | head -n1)
check "German menu bar: Extras and ? in sight" yes \
  "$([ "${ex:-0}" -gt $((X + WIDTH / 2)) ] && [ "${hx:-0}" -gt "$ex" ] && [ "$hx" -lt $((X + WIDTH)) ] && echo yes)"
stop_zova

# On a Wayland desktop (a headless weston) the window opens natively; no tool types there, so
# the window's own test hook presses ZOVA_TEST_KEYS and says what it shows. Where no window can
# open at all, piped input is calculated and anything else gets one line and status 1.
mkdir -p "$work/wayland/run" && chmod 700 "$work/wayland/run"
XDG_RUNTIME_DIR="$work/wayland/run" weston --backend=headless-backend.so --socket=zova-e2e \
  --idle-time=0 >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$work/wayland/run/zova-e2e" ] && break; sleep 0.05; done
check "the window on Wayland" "platform=wayland display=24 alwaysOnTop=unavailable 0" \
  "$(cd "$work/wayland" && env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/wayland/run" \
     WAYLAND_DISPLAY=zova-e2e XDG_CONFIG_HOME="$work/wayland" ZOVA_TEST_KEYS='12+3*4=' \
     timeout 20 "$zova" 2>/dev/null | tr -d "\n"; echo " ${PIPESTATUS[0]}")"
kill $weston
check "no window platform: piped input" 5 "$(echo 2,+,3,= | QT_QPA_PLATFORM=bogus "$zova")"
check "no window platform: one line, status 1" "1 1" \
  "$(QT_QPA_PLATFORM=bogus "$zova" </dev/null 2>&1 >/dev/null | wc -l) $(QT_QPA_PLATFORM=bogus "$zova" </dev/null 2>/dev/null; echo $?)"

# One window per settings file, the work saved as the user goes, and saves that fail.
bash "$(dirname "$0")/keep_work.sh" "$zova" || fail=$((fail + 1))

echo "$pass passed, $fail failed"
# The window's zoom, keyboard and focus mark, on screens of their own.
bash "$(dirname "$0")/window_e2e.sh" "$zova" || fail=$((fail + 1))
[ "$fail" -eq 0 ]

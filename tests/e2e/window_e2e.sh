#!/bin/bash
# The window as a user meets it under openbox on a 1920 x 1080 screen: the zoom through the
# panels, compact size and a restart (and, on a small screen, Zoom In stopping where the window
# still fits); the keyboard's way to each control; the focus mark seen on a screenshot.
#
#   tests/e2e/window_e2e.sh path/to/zova
set -u
zova=$(readlink -f "${1:?path to zova}")
for t in Xvfb openbox xdotool xclip xprop xwininfo xwd; do command -v $t >/dev/null || { echo "window e2e: $t missing"; exit 2; }; done
work=$(mktemp -d) pids=""
trap 'kill $pids 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb HOME="$work" NO_AT_BRIDGE=1
pass=0 fail=0
check() { # name expected actual
  if [ "$2" = "$3" ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL $1: expected [$2] got [$3]"; fi
}
screen() { # WIDTHxHEIGHT: a new X server with openbox, as DISPLAY
  local n=81
  while [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 "$1"x24 -nolisten tcp >/dev/null 2>&1 & pids="$pids $!"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  openbox --sm-disable >/dev/null 2>&1 & pids="$pids $!"
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
}
start_zova() { # folder
  mkdir -p "$1"
  (cd "$1" && XDG_CONFIG_HOME="$1/.config" exec "$zova" >/dev/null 2>&1) &
  pid=$! win=""
  for _ in $(seq 100); do win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1); [ -n "$win" ] && break; sleep 0.05; done
  # The window acts only on keys it has the focus for: asked again until it has it.
  for _ in $(seq 40); do
    xdotool windowactivate --sync "$win" 2>/dev/null
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && break; sleep 0.05
  done
  sleep 0.2
}
stop_zova() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
keys() { # xdotool key names, to the focused window, each given time to act
  for k in "$@"; do xdotool key --delay 0 "$k"; sleep 0.08; done
  sleep 0.2
}
size() { xwininfo -id "$win" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
display() {
  printf '' | xclip -selection clipboard >/dev/null 2>&1
  xdotool windowactivate --sync "$win" 2>/dev/null; keys ctrl+c
  xclip -o -selection clipboard 2>/dev/null
}
width_at() { echo $(($1 * $2 / 1500)); } # twips, zoom: pixels at 96 dots per inch

# The zoom through each panel and compact size: each keeps the zoom, and the window takes the
# size of its zoom with what it shows. A restart keeps the zoom.
screen 1920x1080
dir="$work/zoom"
start_zova "$dir"
check "a first start" 220x356 "$(size)"
keys ctrl+plus; check "Zoom In" 275x440 "$(size)"
keys ctrl+plus; closed=$(size); check "Zoom In twice" 330 "${closed%x*}"
high=${closed#*x}
for panel in ctrl+l ctrl+s ctrl+f; do
  keys "$panel"; check "$panel opens at 150 %" "$(width_at 7050 150)x$high" "$(size)"
  keys ctrl+plus; check "$panel: Zoom In" "$(width_at 7050 175)" "$(size | cut -dx -f1)"
  keys ctrl+minus; check "$panel: Zoom Out" "$(width_at 7050 150)x$high" "$(size)"
  keys ctrl+0; check "$panel: Actual Size" 470x356 "$(size)"
  keys ctrl+plus ctrl+plus "$panel"; check "$panel closes at 150 %" "$closed" "$(size)"
done
keys ctrl+m; compact=$(size)
check "compact at 150 %" 330 "${compact%x*}"
keys ctrl+plus; check "compact: Zoom In" "$(width_at 3300 175)" "$(size | cut -dx -f1)"
keys ctrl+minus ctrl+m; check "normal size at 150 %" "$closed" "$(size)"
stop_zova
start_zova "$dir"
check "a restart keeps the zoom" "$closed" "$(size)"
keys ctrl+s; check "a panel after the restart" "$(width_at 7050 150)x$high" "$(size)"
stop_zova

# The keyboard: Tab and Shift+Tab in reading order from "=" (the keypad's last row, then the
# row before), Enter on a control that Tab reached clicks it, and the keys return to "=".
start_zova "$work/tab"
keys 7 Tab Tab Return 5 Return
check "Tab twice from = is the point" 7.5 "$(display)"
keys 9 shift+Tab Return 4 Return
check "Shift+Tab from = is minus" 5 "$(display)"
# A unit chosen in each converter list by arrow keys: from "=", the last row's four keys, the
# ten categories and Constants lie before the From list.
keys ctrl+l F5
keys $(printf 'Tab %.0s' $(seq 16)) Down Down Down Tab Up Up Up Up Up Return 2 F11
check "kilometers to meters chosen by keys" 2000 "$(display)"
stop_zova

# A tape line recalled by keys; then the molar mass of H2O built from the periodic table with
# the keyboard alone: Enter puts the
# focused tile into the formula, the arrow keys walk the table, Tab reaches the count box and
# the result, and Enter on the result takes it to the display.
start_zova "$work/formula"
# The tape: Home goes to the line of the first number, Enter recalls it.
keys 2 plus 3 Return ctrl+p
tape=$(xdotool search --sync --onlyvisible --pid "$pid" --name . 2>/dev/null | grep -v "^$win$" | head -n1)
xdotool windowactivate --sync "$tape" 2>/dev/null
keys Home Return Escape
check "a tape line recalled by Enter" 2 "$(display)"
keys ctrl+e
table=$(xdotool search --sync --onlyvisible --pid "$pid" --name . 2>/dev/null | grep -v "^$win$" | head -n1)
xdotool windowactivate --sync "$table" 2>/dev/null
# From the tile: the atomic number and mass, the multiplier, the first count box; then the
# other three, Clear and the result.
keys Return Down Right Right Right Right Right Return Tab Tab Tab Tab 2 Tab Tab Tab Tab Tab Return Escape
check "H2O by keys" "$("$zova" --keys 'molar:drop1=H,molar:count1=2,molar:drop2=O,molar:result')" "$(display)"
stop_zova

# The focus mark on the screen: the window's picture changes where Tab moves the focus to, on
# the keypad and on a panel's key, at 100 and 300 %, under a light and a dark desktop palette
# (GTK's dark Adwaita through Qt's GTK theme). pixels_apart A B: how many pixels differ.
shot() { xwd -silent -id "$win" >"$1"; }
pixels_apart() { cmp -l "$1" "$2" 2>/dev/null | awk '{ print int(($1 - 1) / 4) }' | uniq | wc -l; }
for palette in light dark; do
  [ $palette = dark ] && export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
  start_zova "$work/mark-$palette"
  for zoom in 100 300; do
    [ $zoom = 300 ] && keys ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus
    for place in keypad panel; do
      # From "=" to the keypad's last row; on the panel, from the statistics list to its first key.
      keys 1
      [ $place = panel ] && keys ctrl+s Tab Tab Tab Tab Tab
      shot "$work/before.xwd"; keys Tab; shot "$work/after.xwd"
      apart=$(pixels_apart "$work/before.xwd" "$work/after.xwd")
      check "a focus mark on the $place at $zoom %, $palette (pixels apart > 100)" yes \
        "$([ "$apart" -gt 100 ] && echo yes || echo "$apart")"
      [ $place = panel ] && keys ctrl+s
    done
  done
  stop_zova
done
unset QT_QPA_PLATFORMTHEME GTK_THEME

# A small screen: Zoom In stops at the largest step that fits; a panel opened there shows the
# zoom that fits with it, and closing it brings the chosen zoom back.
screen 900x800
start_zova "$work/small"
keys ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus
check "Zoom In stops where the window fits" "$(width_at 3300 200)" "$(size | cut -dx -f1)"
keys ctrl+l; check "a panel at the zoom that fits with it" "$(width_at 7050 175)" "$(size | cut -dx -f1)"
keys ctrl+l; check "the chosen zoom back" "$(width_at 3300 200)" "$(size | cut -dx -f1)"
stop_zova

echo "window: $pass passed, $fail failed"
[ "$fail" -eq 0 ]

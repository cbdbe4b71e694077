#!/usr/bin/env bash
# Drives the application on a virtual display with real clicks and key presses and takes
# screenshots: 十二 加 三 等于 on the keypad, then 1020304 typed into the Arabic converter field.
#   tools/screenshots/keypad_and_converter.sh [application] [output folder]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
app="${1:-$here/../../build-run/Calcimandarix.app/Contents/MacOS/calcimandarix}"
out="${2:-$here/../../screenshots}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$app" "$out"
fi

mkdir -p "$out"
work="$(mktemp -d)"
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# A preferences file that asks for no welcome window and the simplified usual characters.
printf '\x00\x01\x01\x01' >"$work/Calcimandarix prefs"
XDG_CONFIG_HOME="$work" LANG=en_US.UTF-8 "$app" &
pid=$!

wid="$(xdotool search --sync --onlyvisible --name 'Calcimandarix' | head -1)"
sleep 1
# The menu bar lies above the window's content; the controls are placed in the content.
height="$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')"
menu=$((height - 296))

# A click at content coordinates (x, y).
click() {
  xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1
  sleep 0.3
}
shot() {
  sleep 0.5
  import -window root -crop "300x$((420 + menu))+0+0" "$out/$1"
}

# Key centres: each key is 38 pixels square at its place on the keypad.
click 70 103   # 十
click 152 185  # 二
click 252 103  # 加
click 152 226  # 三
shot keypad-12-plus-3.png
click 231 226  # 等于
shot keypad-12-plus-3-equals.png

click 17 280   # the converter's triangle
click 140 369  # the Arabic field
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool type --delay 150 1020304
shot converter-1020304.png

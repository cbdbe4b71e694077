#!/usr/bin/env bash
# Runs the application on a virtual display with a session bus and the accessibility bus, as a
# screen reader's desktop does, presses 十二 加 三 等于 on the keypad with real clicks, and prints
# what a screen reader hears meanwhile (the labels' new names) and then the main window's
# accessibility tree as AT-SPI gives it (roles, names, texts).
#   tools/accessibility/read_main_window.sh [UI language, e.g. en_US.UTF-8 or zh_TW.UTF-8] [application]
# Needs xvfb, dbus, at-spi2-core, xdotool and python3-pyatspi (for the system's /usr/bin/python3);
# the test command does not use it.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
lang="${1:-en_US.UTF-8}"
app="${2:-$here/../../build/Calcimandarix.app/Contents/MacOS/calcimandarix}"

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$lang" "$app"
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$lang" "$app"
fi

work="$(mktemp -d)"
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# A preferences file that asks for no welcome window and the simplified usual characters.
printf '\x00\x01\x01\x01' >"$work/Calcimandarix prefs"
XDG_CONFIG_HOME="$work" LANG="$lang" LANGUAGE="" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$app" &
pid=$!

wid="$(xdotool search --sync --onlyvisible --name 'Calcimandarix' | head -1)"
sleep 1
# The menu bar lies above the window's content; the controls are placed in the content.
height="$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')"
menu=$((height - 296))
# What a screen reader hears while the keys are pressed: each label's new name.
echo "Heard while pressing the keys:"
/usr/bin/python3 "$here/listen_names.py" calcimandarix 6 &
listener=$!
sleep 2
click() {
  xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1
  sleep 0.3
}
click 70 103   # 十
click 152 185  # 二
click 252 103  # 加
click 152 226  # 三
click 231 226  # 等于
wait "$listener"
echo
echo "The main window's tree after 十二 加 三 等于:"

/usr/bin/python3 "$here/dump_tree.py" calcimandarix Calcimandarix

#!/usr/bin/env bash
# Takes a picture of every page of the program, talking to the simulated module, for the README.
#
#   bash scripts/screenshots.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, against vimo-sim, clicks through the
# pages with xdotool and saves docs/screenshots/*.png. The clicks aim at the window's designed layout.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/window-session.sh "${1:-build/release}" vimo vimo-sim
out=docs/screenshots

# The device under the name the README uses, unless a simulator of the user's holds it already.
device=/tmp/vimo
[ -e "$device" ] && device=$work/vimo
"$build/tools/sim/vimo-sim" --link "$device" --sets 3 --words 1500 --seed 7 >/dev/null &
track $!
start_vimo

shot() { # name [window title]: the main window, or the window with that title
  sleep "${settle:-0.6}"
  local id=$window
  [ -n "${2:-}" ] && id=$(find_window "$2")
  import -window "$id" "$out/$1.png"
}
tab() { # the page tabs, left to right
  case $1 in
    connect) click 78 19 ;; configure) click 192 19 ;; data) click 290 19 ;; logbook) click 370 19 ;;
    about) click 440 19 ;;
  esac
}

mkdir -p "$out"
xdotool windowfocus "$window" 2>/dev/null || true
settle=1.0 shot about

# The start-up timer shows "Connect / Download" after three seconds.
sleep 3
tab connect
click 261 81                          # the port box: type the simulator's device
for _ in $(seq 50); do [ -e "$device" ] && break; sleep 0.1; done
xdotool key ctrl+a && xdotool type --delay 20 "$device"
click 688 81                          # Connect: opens the port and reads the configuration
sleep 1.5
click 660 151                         # Download Info
sleep 2.5
click 696 179 && xdotool key End Return # data set: "All"
click 660 207                         # Download Data
sleep 3
shot connect

tab configure
shot configure

tab data
shot recorded-data

tab logbook
shot logbook

# Ctrl with a mouse button on the program icon opens the module setup dialog.
tab about
xdotool mousemove --window "$window" 180 $((170 + menu_bar)) keydown ctrl click 1 keyup ctrl
settle=1.0 shot module-setup ModSetForm
xdotool key Escape

echo "saved: $(ls "$out"/*.png | tr '\n' ' ')"

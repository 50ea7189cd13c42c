#!/usr/bin/env bash
# Takes the README's picture of the menus and the legend: the example flight beside the start-up data set on the
# "Recorded Data" page, the legend switched on, the View menu open.
#
#   bash scripts/menus-screenshot.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, whose recent files list the example
# flight: File > Recent Files loads docs/examples/evening-thermal.csv, Ctrl+L shows the legend, a click opens the
# View menu. Saves docs/screenshots/menus.png.
set -euo pipefail
cd "$(dirname "$0")/.."
flight=$PWD/docs/examples/evening-thermal.csv
source scripts/lib/window-session.sh "${1:-build/release}" vimo
# The example flight is the one recent file of this session's settings.
mkdir -p "$XDG_CONFIG_HOME/Brennick"
printf '[Session]\nRecentFiles=%s\n' "$flight" >"$XDG_CONFIG_HOME/Brennick/Vimo.conf"
start_vimo

sleep 3.5                                  # the start-up timer shows "Connect / Download"
click 290 23                               # the "Recorded Data" tab
xdotool mousemove --window "$window" 20 8 click 1   # File > Recent Files > 1: the example flight
xdotool key f
sleep 0.3
xdotool key 1
sleep 1
xdotool key ctrl+l                         # View > Legend
sleep 0.5
xdotool mousemove --window "$window" 97 8 click 1   # the View menu, left open for the picture
sleep 1

# The menu is a window of its own: take the screen and cut out the main window's place.
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs/screenshots
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshots/menus.png
echo "saved: docs/screenshots/menus.png"

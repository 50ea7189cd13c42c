#!/usr/bin/env bash
# Takes the README's picture of the menus and the legend: the example flight beside the start-up data set on the
# "Recorded Data" page, the legend switched on, the View menu open.
#
#   bash scripts/menus-screenshot.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own and drives it with its shortcuts:
# Ctrl+O loads docs/examples/evening-thermal.csv, Ctrl+L shows the legend, Alt+V opens the View menu. Saves
# docs/screenshots/menus.png.
set -euo pipefail
cd "$(dirname "$0")/.."
flight=$PWD/docs/examples/evening-thermal.csv
source scripts/lib/window-session.sh "${1:-build/release}" vimo
start_vimo

sleep 3.5                                  # the start-up timer shows "Connect / Download"
click 290 42                               # the "Recorded Data" tab, below the menu bar
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+o      # "Load": the example flight
find_window "Load Vimo Data" >/dev/null
sleep 0.5
xdotool type --delay 10 "$flight"
xdotool key Return
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+l      # View > Legend
sleep 0.5
xdotool key --window "$window" alt+v       # the View menu, left open for the picture
sleep 1

# The menu is a window of its own: take the screen and cut out the main window's place.
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs/screenshots
import -window root -crop "${WIDTH}x$((HEIGHT + 30))+${X}+$((Y - 30))" +repage docs/screenshots/menus.png
echo "saved: docs/screenshots/menus.png"

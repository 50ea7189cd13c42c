#!/usr/bin/env bash
# Takes the README's pictures of the plot window: two example flights in View -> Plot Window with the legend,
# then with the cursor read-out, aligned at their launches, and with the climb-rate curve.
#
#   bash scripts/plot-window-screenshot.sh [BUILD_DIR]   (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, removes the start-up data set, loads
# docs/examples/evening-thermal.csv and docs/examples/morning-flight.csv through "Load", opens the plot window (F11)
# and saves docs/screenshots/plot-window.png, readout.png, aligned.png and climb-rate.png. The clicks aim at the
# window's designed layout; the View toggles are given by their keys.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/window-session.sh "${1:-build/release}" vimo
click_settle=0.5
start_vimo

sleep 3.5                                  # the start-up timer shows "Connect / Download"
click 290 19                               # the "Recorded Data" tab

click 709 406                              # "Data Properties": remove the start-up data set
props=$(find_window "Data Properties")
xdotool mousemove --window "$props" 147 323 click 1 && sleep 0.5   # "Delete Data Set"
xdotool mousemove --window "$props" 679 323 click 1 && sleep 0.5   # OK

for flight in evening-thermal morning-flight; do
  click 709 433                            # "Load"
  find_window "Load Vimo Data" >/dev/null
  sleep 0.5
  xdotool key ctrl+a                       # the dialog offers the last file's name
  xdotool type --delay 10 "$PWD/docs/examples/$flight.csv"
  xdotool key Return
  sleep 1
  click 400 551                            # the status bar: closes the file name completion's pop-up
done

xdotool windowfocus "$window" && sleep 0.3
xdotool key ctrl+l                         # the legend
xdotool key F11                            # the plot window
plot=$(find_window "Vimo - Recorded Data")
xdotool windowmove "$plot" 0 0 windowsize "$plot" 1000 620 && sleep 1
xdotool windowfocus "$plot" && sleep 0.3
xdotool mousemove --window "$plot" 5 600   # the mouse off the plot
sleep 0.8
mkdir -p docs/screenshots
shot() { import -window "$plot" "docs/screenshots/$1.png" && echo "saved: docs/screenshots/$1.png"; }
shot plot-window

xdotool key ctrl+shift+u                   # the cursor read-out, over the evening thermal's climb
xdotool mousemove --window "$plot" 420 300 && sleep 0.3
xdotool mousemove --window "$plot" 430 300 && sleep 0.8
shot readout

xdotool key ctrl+shift+u                   # the read-out off again, the flights aligned at their launches
xdotool key ctrl+shift+n && sleep 0.8
xdotool mousemove --window "$plot" 5 600 && sleep 0.8
shot aligned

xdotool key ctrl+shift+n ctrl+shift+i && sleep 0.8   # the climb rate of the active data set
shot climb-rate

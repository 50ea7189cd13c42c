#!/usr/bin/env bash
# Takes the README's pictures of a flight on the "Recorded Data" page: the example flight with its photo trigger
# marks, a rate mark over the thermal and the peak mark, the cursor on the glide; then the same flight chosen in
# the Flights table, with its flight marks.
#
#   bash scripts/flight-screenshot.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, removes the start-up data set, loads
# docs/examples/evening-thermal.csv through "Load" and saves docs/screenshots/flight.png and
# docs/screenshots/flights.png. The clicks aim at the window's designed layout.
set -euo pipefail
cd "$(dirname "$0")/.."
flight=$PWD/docs/examples/evening-thermal.csv
source scripts/lib/window-session.sh "${1:-build/release}" vimo
click_settle=0.5
start_vimo

sleep 3.5                                  # the start-up timer shows "Connect / Download"
click 290 19                               # the "Recorded Data" tab

click 709 406                              # "Data Properties": remove the start-up data set
props=$(find_window "Data Properties")
xdotool mousemove --window "$props" 147 323 click 1 && sleep 0.5   # "Delete Data Set"
xdotool mousemove --window "$props" 679 323 click 1 && sleep 0.5   # OK

click 709 433                              # "Load": the example flight
find_window "Load Vimo Data" >/dev/null
sleep 0.5
xdotool type --delay 10 "$flight"
xdotool key Return
sleep 1

click 400 551                              # the status bar: closes the file name completion's pop-up
xdotool mousemove --window "$window" 380 $((210 + menu_bar))   # the cursor on the glide: read-outs and the cursor circle
sleep 0.3
xdotool mousemove --window "$window" 390 $((200 + menu_bar))
sleep 0.8
mkdir -p docs/screenshots
import -window "$window" docs/screenshots/flight.png
echo "saved: docs/screenshots/flight.png"

# View > Flights Table and View > Flight Marks (the menu bar's own coordinates), then the example's flight
# chosen in the table.
view_item() {
  xdotool mousemove --window "$window" 97 8 click 1 && sleep 0.5
  xdotool mousemove --window "$window" 144 "$1" click 1 && sleep 0.5
}
view_item 75                               # Flights Table
view_item 97                               # Flight Marks
click 60 391                               # the table's first row
xdotool mousemove --window "$window" 600 $((300 + menu_bar))   # the mouse off the plot
sleep 0.8
import -window "$window" docs/screenshots/flights.png
echo "saved: docs/screenshots/flights.png"

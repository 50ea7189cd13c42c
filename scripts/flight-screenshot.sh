#!/usr/bin/env bash
# Takes the README's picture of a flight on the "Recorded Data" page: the example flight with its photo trigger
# marks, a rate mark over the thermal and the peak mark, the cursor on the glide.
#
#   bash scripts/flight-screenshot.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, removes the start-up data set, loads
# docs/examples/evening-thermal.csv through "Load" and saves docs/screenshots/flight.png. The clicks aim at the
# window's designed layout.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
flight=$PWD/docs/examples/evening-thermal.csv
if [ ! -x "$build/src/app/vimo" ]; then
  bash scripts/setup.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target vimo
  build=build/release
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb takes a free display number and tells it.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display") XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$build/src/app/vimo" >"$work/vimo.log" 2>&1 &
pids+=($!)

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Vimo$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; cat "$work/vimo.log" >&2; exit 1; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
dialog() { # title: the id of the open dialog with that title
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "the dialog \"$1\" did not appear" >&2; exit 1; }
  echo "$id"
}

sleep 3.5                                  # the start-up timer shows "Connect / Download"
click 290 19                               # the "Recorded Data" tab

click 709 406                              # "Data Properties": remove the start-up data set
props=$(dialog "Data Properties")
xdotool mousemove --window "$props" 147 323 click 1 && sleep 0.5   # "Delete Data Set"
xdotool mousemove --window "$props" 679 323 click 1 && sleep 0.5   # OK

click 709 433                              # "Load": the example flight
dialog "Load Vimo Data" >/dev/null
sleep 0.5
xdotool type --delay 10 "$flight"
xdotool key Return
sleep 1

click 400 551                              # the status bar: closes the file name completion's pop-up
xdotool mousemove --window "$window" 380 210   # the cursor on the glide: read-outs and the cursor circle
sleep 0.3
xdotool mousemove --window "$window" 390 200
sleep 0.8
mkdir -p docs/screenshots
import -window "$window" docs/screenshots/flight.png
echo "saved: docs/screenshots/flight.png"

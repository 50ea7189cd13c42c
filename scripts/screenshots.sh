#!/usr/bin/env bash
# Takes a picture of every page of the program, talking to the simulated module, for the README.
#
#   bash scripts/screenshots.sh [BUILD_DIR]      (default build/release; built first when the program is missing)
#
# Runs the program on a virtual X display (Xvfb) with settings of its own, against vimo-sim, clicks through the
# pages with xdotool and saves docs/screenshots/*.png. The clicks aim at the window's designed layout.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=docs/screenshots
if [ ! -x "$build/src/app/vimo" ] || [ ! -x "$build/tools/sim/vimo-sim" ]; then
  bash scripts/setup.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target vimo vimo-sim
  build=build/release
fi

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The device under the name the README uses, unless a simulator of the user's holds it already.
device=/tmp/vimo
[ -e "$device" ] && device=$work/vimo
"$build/tools/sim/vimo-sim" --link "$device" --sets 3 --words 1500 --seed 7 >/dev/null &
pids+=($!)
"$build/src/app/vimo" >"$work/vimo.log" 2>&1 &
pids+=($!)

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Vimo$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; cat "$work/vimo.log" >&2; exit 1; }

shot() { # name [window title]: the main window, or the window with that title
  sleep "${settle:-0.6}"
  local id=$window
  [ -n "${2:-}" ] && id=$(xdotool search --onlyvisible --name "^$2\$" | head -n 1)
  import -window "$id" "$out/$1.png"
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
tab() { # the page tabs, left to right
  case $1 in
    connect) click 78 19 ;; configure) click 192 19 ;; data) click 290 19 ;; about) click 377 19 ;;
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

# Ctrl with a mouse button on the program icon opens the module setup dialog.
tab about
xdotool mousemove --window "$window" 180 170 keydown ctrl click 1 keyup ctrl
settle=1.0 shot module-setup ModSetForm
xdotool key Escape

echo "saved: $(ls "$out"/*.png | tr '\n' ' ')"

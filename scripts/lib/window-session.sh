# Sourced by the screenshot scripts: builds what is missing, starts a virtual X display (Xvfb) on a free display
# number with settings of the session's own, and offers helpers to start the program and click into its window.
#
#   source scripts/lib/window-session.sh BUILD_DIR TARGET...
#
# After sourcing: $build (the build folder used), $work (a scratch folder removed at exit), DISPLAY set, and
#   track PID           stop this process at exit
#   start_vimo          starts the program and sets $window to its main window
#   click X Y           clicks at page coordinates: window coordinates below the menu bar ($menu_bar pixels)
#   find_window TITLE   prints the id of the visible window with that title (fails when none appears)

build=${1:-build/release}
shift
for target in "$@"; do
  case $target in vimo) binary=$build/src/app/vimo ;; vimo-sim) binary=$build/tools/sim/vimo-sim ;; esac
  if [ ! -x "$binary" ]; then
    bash scripts/setup.sh
    cmake --preset release >/dev/null
    cmake --build --preset release --target "$@"
    build=build/release
    break
  fi
done

work=$(mktemp -d)
pids=()
track() { pids+=("$1"); }
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb takes a free display number and tells it, so two sessions never share a display.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
track $!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display") XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
# The session's downloads are archived in its own folder, never in the user's archive of flights.
export VIMO_ARCHIVE=$work/flights
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

find_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "the window \"$1\" did not appear" >&2; [ -f "$work/vimo.log" ] && cat "$work/vimo.log" >&2; exit 1; }
  echo "$id"
}

start_vimo() {
  "$build/src/app/vimo" >"$work/vimo.log" 2>&1 &
  track $!
  window=$(find_window Vimo)
}

# The menu bar sits above the pages; the coordinates the scripts give are those of the window without it.
menu_bar=19
click() { xdotool mousemove --window "$window" "$1" "$(($2 + menu_bar))" click 1; sleep "${click_settle:-0.3}"; }

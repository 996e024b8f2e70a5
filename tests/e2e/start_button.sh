#!/usr/bin/env bash
# Starts the real program on an X display, clicks the start button and checks
# that the window changed from the title screen to the play screen, then quits
# with the quit button.
# Usage: start_button.sh PATH/TO/kibbo
set -euo pipefail

kibbo=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Polls a command every 0.2 s for up to 20 s.
poll() {
  local tries=100
  until "$@"; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then return 1; fi
    sleep 0.2
  done
}

# Started from another directory: the program finds its files in its own.
cd "$work"
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$kibbo" >"$work/kibbo.log" 2>&1 &
pid=$!

window=
find_window() {
  kill -0 "$pid" 2>/dev/null || { echo "kibbo ended early:"; cat "$work/kibbo.log"; exit 1; }
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  [ -n "$window" ]
}
poll find_window || { echo "no window of kibbo appeared"; exit 1; }

# The first grab that shows more than a blank window is the title screen.
grab_drawn() {
  import -window "$window" "$1" 2>/dev/null && [ "$(identify -format %k "$1")" -gt 2 ]
}
poll grab_drawn "$work/title.png" || { echo "the title screen was never drawn"; exit 1; }

# Start_btn lies at 536,16 in the client area, inside a one-pixel border.
xdotool mousemove --window "$window" 560 40 click 1

changed() {
  kill -0 "$pid" 2>/dev/null || { echo "kibbo ended after the click:"; cat "$work/kibbo.log"; exit 1; }
  import -window "$window" "$work/play.png" 2>/dev/null || return 1
  local differing
  differing=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
  [ "${differing%% *}" -gt 1000 ] 2>/dev/null
}
poll changed || { echo "the window did not change after clicking start"; exit 1; }

# Still running: the click started a game, it did not end the program.
kill -0 "$pid"
echo "title and play screens differ"

# Finish_btn, two squares further down, ends the program at once.
xdotool mousemove --window "$window" 560 152 click 1
ended() { ! kill -0 "$pid" 2>/dev/null; }
poll ended || { echo "kibbo did not end on the quit button"; exit 1; }
wait "$pid" || { echo "kibbo ended with a failure status"; exit 1; }
pid=
echo "the quit button ended the program"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program, clicks the start button and checks that the
# window changed from the title screen to the play screen, then quits with
# the quit button.
# Usage: start_button.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

start_kibbo
import -window "$window" "$work/title.png"

# The window is shaped: its corners show the screen behind it, not the red
# margin inside its border.
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/screen.png"
pixel() { convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
[ "$(pixel $((X + 4)) $((Y + 200)))" = "255,0,0" ] || { echo "the margin is not red: $(pixel $((X + 4)) $((Y + 200)))"; exit 1; }
for corner in "$((X + 3)) $((Y + 3))" "$((X + WIDTH - 4)) $((Y + 3))" "$((X + 3)) $((Y + HEIGHT - 4))" \
              "$((X + WIDTH - 4)) $((Y + HEIGHT - 4))"; do
  [ "$(pixel $corner)" != "255,0,0" ] || { echo "the corner at $corner is the window's red"; exit 1; }
done
echo "the corners are cut away"

# Start_btn lies at 536,16 in the client area, inside a one-pixel border.
click_at "$window" 560 40
changed() {
  kill -0 "$pid" 2>/dev/null || { echo "kibbo ended after the click:"; cat "$work/trace.log"; exit 1; }
  import -window "$window" "$work/play.png" 2>/dev/null || return 1
  local differing
  differing=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
  [ "${differing%% *}" -gt 1000 ] 2>/dev/null
}
poll changed || { echo "the window did not change after clicking start"; exit 1; }
kill -0 "$pid"
echo "title and play screens differ"

# Finish_btn, two squares further down, ends the program through its event
# loop, with a clean status.
click_at "$window" 560 152
ended() { ! kill -0 "$pid" 2>/dev/null; }
poll ended || { echo "kibbo did not end on the quit button"; exit 1; }
wait "$pid" || { echo "kibbo ended with a failure status"; exit 1; }
pid=
echo "the quit button ended the program"

# The program never forked to start a session bus: a fork of a program with
# several threads may hang in a lock another thread held, and the exit with it.
[ ! -e "$work/dbus-launched" ] || { echo "kibbo ran dbus-launch $(cat "$work/dbus-launched")"; exit 1; }
echo "no session bus was started"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in a poor environment: no display, and each of its folders
# missing in turn. It says so in one line, not one per file, and the game
# still starts and plays.
# Usage: bad_environment.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

# No display at all: one line and a plain failure, not an abort.
set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/game/kibbo" 2>"$work/nodisplay.log"
status=$?
set -e
[ "$status" -eq 1 ] || { echo "without a display kibbo ended with $status"; cat "$work/nodisplay.log"; exit 1; }
[ "$(wc -l <"$work/nodisplay.log")" -eq 1 ] || { echo "more than one line:"; cat "$work/nodisplay.log"; exit 1; }
echo "no display: $(cat "$work/nodisplay.log")"

export XDG_DATA_HOME="$work/home"
for folder in pics ani sound data; do
  rm -rf "$work/game/$folder"
  start_kibbo
  click_at "$window" 560 40
  poll grep -q "^dog" "$work/trace.log" || { echo "no game without $folder/"; cat "$work/trace.log"; exit 1; }
  # Some ticks and a time-out or two: more pictures asked for.
  sleep 3
  kill -0 "$pid" || { echo "kibbo ended without $folder/"; exit 1; }
  messages=$(grep -av "^\(start\|dog\|timeout\|QStandardPaths\)" "$work/trace.log" || true)
  [ "$(printf '%s\n' "$messages" | grep -c "kibbo:")" -le 2 ] || { echo "too many lines without $folder/:"; echo "$messages"; exit 1; }
  echo "without $folder/: ${messages:-(nothing to say)}"
  stop_process "$pid" kibbo; pid=
  # Put it back for the next case.
  if [ "$folder" = data ]; then cp -r "$defaults" "$work/game/data"; else ln -s "$(dirname "$kibbo")/$folder" "$work/game/$folder"; fi
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make run`, a game played and left: the game started as `make run` starts
# it keeps the history in the player's data folder, and the build's program
# folder, which every other test's program folder comes from, keeps every
# byte of its data.
# Usage: played_before.sh PATH/TO/kibbo SOURCE-FOLDER
set -euo pipefail
kibbo=$(realpath "$1")
source_folder=$2
source "$(dirname "$0")/lib.sh"

# The command `make run` ends with, on this build, for a player whose home
# is the test's own.
home=$work/home
line=$(make -s -n -C "$source_folder" run DIST="$dist" HOME="$home" XDG_DATA_HOME= | tail -n 1)
case $line in "$dist/kibbo "*) ;; *) echo "make run does not end by starting the game: $line"; exit 1 ;; esac
before=$(cd "$dist/data" && ls -l --time-style=+%s.%N)

eval "set -- $line"
cd "$work"
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$@" --trace 2>"$work/trace.log" &
pid=$!
started "$pid" kibbo
cd - >/dev/null
poll find_main_window || { echo "no window of kibbo appeared"; cat "$work/trace.log"; exit 1; }

# A game started, one dog typed, and left with Top_btn (where Start_btn was).
xdotool windowfocus --sync "$window"
xdotool key Return
poll grep -aq "^dog" "$work/trace.log" || { echo "Enter did not start a game"; cat "$work/trace.log"; exit 1; }
xdotool type --window "$window" --delay 8 "$(last_event dog | cut -f3)"
poll lines_are "$work/trace.log" '^dog' -ge 2 || { echo "the dog was not done"; exit 1; }
click_at "$window" 560 40
history=$home/.local/share/kibbo/data/history.csv
poll lines_are "$history" ',left,' -eq 1 || { echo "the game is not in $history"; cat "$work/trace.log"; exit 1; }
grep -aq "your settings and scores are kept in $home/.local/share/kibbo/data" "$work/trace.log" \
  || { echo "the game did not say where it keeps the player's files"; cat "$work/trace.log"; exit 1; }
stop_process "$pid" kibbo
pid=

after=$(cd "$dist/data" && ls -l --time-style=+%s.%N)
[ "$before" = "$after" ] || { echo "the build's data/ changed:"; diff <(echo "$before") <(echo "$after"); exit 1; }
echo "the history went to the player's data folder; the build's data/ is as it was"

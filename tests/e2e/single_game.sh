#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One game per data folder: a second kibbo on the same folder hands over to
# the running one and ends with status 0 and one line on stderr; a game on
# another folder starts beside it; a game killed outright leaves nothing
# that stops the next start.
# Usage: single_game.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

start_kibbo
first=$pid

status=0
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy timeout 60 "$work/game/kibbo" >"$work/second.out" 2>"$work/second.err" || status=$?
[ "$status" -eq 0 ] || { echo "the second game ended with status $status"; cat "$work/second.err"; exit 1; }
[ "$(wc -l <"$work/second.err")" -eq 1 ] || { echo "the second game said more than one line:"; cat "$work/second.err"; exit 1; }
grep -q "already running" "$work/second.err" || { echo "unexpected line: $(cat "$work/second.err")"; exit 1; }
kill -0 "$first" || { echo "the first game ended"; exit 1; }
echo "a second game on the same folder handed over: $(cat "$work/second.err")"

# Another data folder is another game.
program_folder "$work/other"
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$work/other/kibbo" 2>"$work/other.err" &
other=$!
started "$other" "kibbo on another folder"
other_window() {
  kill -0 "$other" 2>/dev/null || { echo "the game on another folder ended:"; cat "$work/other.err"; exit 1; }
  [ -n "$(xdotool search --all --onlyvisible --pid "$other" --classname kibbo 2>/dev/null)" ]
}
poll other_window || { echo "no window for the game on another folder"; exit 1; }
stop_process "$other" "kibbo on another folder"
echo "a game on another folder ran beside it"

# Killed outright, the first game leaves its lock and socket behind in
# name only: the next start on that folder opens its window.
kill -9 "$first"; stop_process "$first" kibbo
start_kibbo
echo "after a killed game, the next one started on the same folder"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game on a real window: types every guide that --trace
# announces until the walker is home, registers a name with a comma in it
# and checks the ranking file.
# With window-thread, the game runs under strace and the session goes on:
# the next game by Enter, music and effects switched with F2 and F3, weak-key
# practice turned on in the records window and a practice game, then the
# quit button. Once a game has started, the window's thread must not have
# touched the data folder: every read and save belongs to the thread beside
# it, so that a slow or hung disk never freezes the window.
# With kana, the game is played in kana input with the guide hidden, every
# key sent by its place on a Japanese keyboard on the server's own US
# keymap, where the keys only a Japanese keyboard has (ろ, ー) have no
# symbol; the name goes into the kana ranking and the romaji one keeps
# every byte.
# Usage: whole_game.sh PATH/TO/kibbo [window-thread|kana]
set -euo pipefail
kibbo=$(realpath "$1")
watch=${2:-}
source "$(dirname "$0")/lib.sh"
ranking=$work/game/data/score.kib
if [ "$watch" = kana ]; then
  printf 'input=kana\r\nguide=hidden\r\n' >>"$work/game/data/options.ini"
  cp "$ranking" "$work/romaji-ranking"
  ranking=$work/game/data/score-kana.kib
fi
if [ "$watch" = window-thread ]; then
  command -v strace >/dev/null || { echo "strace is not installed (scripts/install-deps.sh test)"; exit 1; }
  mkdir "$work/calls"
  calls_to=$work/calls/thread
fi

start_kibbo
# Start_btn at 536,16 in the client area, inside a one-pixel border.
click_at "$window" 560 40
poll grep -q "^start" "$work/trace.log" || { echo "no game started"; exit 1; }
[ "$watch" != kana ] || spare_kana_keys "$KIBBO_X11_KEYS"

dogs=0
seen=0
while ! grep -q "^clear" "$work/trace.log"; do
  lines=$(grep -ac "^dog" "$work/trace.log")
  if [ "$lines" -gt "$seen" ]; then
    seen=$lines
    guide=$(last_event dog | cut -f3)
    if [ "$watch" = kana ]; then
      type_kana "$guide"
    else
      xdotool type --window "$window" --delay 8 "$guide"
    fi
    dogs=$((dogs + 1))
  else
    sleep 0.02
  fi
  [ "$dogs" -lt 400 ] || { echo "no clear after $dogs dogs"; tail "$work/trace.log"; exit 1; }
  kill -0 "$pid" || { echo "kibbo ended during play"; exit 1; }
done
clear_line=$(last_event clear)
echo "cleared: $clear_line"
if [ "$watch" = kana ]; then
  grep -a "^dog" "$work/trace.log" | cut -f3 | grep -q "ー" || { echo "no dog asked for ー (keycode 132)"; exit 1; }
fi
score=$(echo "$clear_line" | cut -f2)
# The score is saved beside the window, after the cleared screen is up.
holds_score() { [ "$(tr -d ' \r\n' 2>/dev/null <"$work/game/data/score.dat")" = "$score" ]; }
poll holds_score || { echo "score.dat does not hold $score"; exit 1; }

# The first data files hold a modest ranking; a fast typist's score enters it.
board=
find_board() { board=$(window_named ScoreBoard | head -n 1); [ -n "$board" ]; }
poll find_board || { echo "the entry window did not open"; exit 1; }
# Keys sent before the window has the keyboard go to the main window, and
# the name box selects its text when it takes the focus: typed too early, the
# name loses its first letters.
# The name is typed through the server's own input path, as a player's
# keys come, into the window that has the keyboard: events sent to a
# window directly (--window) carry no time and no server state, and one in
# a dozen sanitizer runs lost a letter of them.
board_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$board" ]; }
poll board_focused || { echo "the entry window did not take the keyboard"; exit 1; }
# The last guide's last key can go down while the game has the keyboard and
# come up once the entry window has it: xdotool then sends the release to
# the game's window alone, so the server holds the key down and repeats it,
# and that letter typed in the name is lost (a loaded machine lost one of
# "Inu" in one run in eight). The guide's keys are let go where the server
# sees it.
[ "$watch" = kana ] || xdotool keyup $(fold -w1 <<<"$guide" | sort -u | sed 's/^-$/minus/')
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 'Inu, "Pochi"'
# touroku at 4680,360 twips, Command1 (OK) at 4560,3960.
click_at "$board" 332 36
sleep 0.3
click_at "$board" 328 276
poll bash -c "! xdotool search --onlyvisible --name '^ScoreBoard\$' >/dev/null 2>&1" || { echo "OK did not close the entry"; exit 1; }
poll grep -aq 'Inu, "Pochi"' "$ranking" || { echo "the name is not in $ranking"; cat -A "$ranking"; exit 1; }
grep -aq "^ $score $(printf '\r')\$" "$ranking" || { echo "the score is not in $ranking"; exit 1; }
echo "registered 'Inu, \"Pochi\"' with $score in $(basename "$ranking")"
if [ "$watch" = kana ]; then
  cmp "$work/romaji-ranking" "$work/game/data/score.kib" || { echo "a kana game changed score.kib"; exit 1; }
  poll grep -aq $',cleared,.*,kana,hidden\r$' "$work/game/data/history.csv" ||
    { echo "the kana game is not in the history as kana with the guide hidden"; exit 1; }
fi

[ "$watch" = window-thread ] || exit 0

# Types the guides of the next `count` dogs of the trace, then waits until
# the last of them is done. With `mistyped`, a wrong key comes before each
# guide's first vowel: keys typed evenly and never missed are none weaker
# than another, and practice would have nothing to train.
type_dogs() {
  local count=$1 typed=0 guide head
  while [ "$typed" -lt "$count" ]; do
    poll lines_are "$work/trace.log" '^dog' -gt "$seen" || { echo "no next dog"; tail "$work/trace.log"; exit 1; }
    seen=$(grep -ac "^dog" "$work/trace.log")
    guide=$(last_event dog | cut -f3)
    if [ "${2:-}" = mistyped ]; then
      head=${guide%%[aiueo]*}
      xdotool type --window "$window" --delay 8 "$head"
      xdotool type --window "$window" q
      guide=${guide#"$head"}
    fi
    xdotool type --window "$window" --delay 8 "$guide"
    typed=$((typed + 1))
  done
  poll lines_are "$work/trace.log" '^dog' -gt "$seen" || { echo "the last dog was not done"; exit 1; }
}

# Enter on the cleared screen starts the next game; F2 and F3 switch the
# music and the effects during it; Top_btn (where Start_btn was) leaves it.
seen=$(grep -ac "^dog" "$work/trace.log")
xdotool windowfocus --sync "$window"
xdotool key Return
poll lines_are "$work/trace.log" '^start' -eq 2 || { echo "Enter did not start the next game"; exit 1; }
type_dogs 3 mistyped
xdotool key F2
poll grep -aq "^music" "$work/trace.log" || { echo "F2 did not switch the music"; exit 1; }
xdotool key F3
poll grep -aq "^effects" "$work/trace.log" || { echo "F3 did not switch the effects"; exit 1; }
type_dogs 3 mistyped
grep -aq "^miss" "$work/trace.log" || { echo "no mistype was traced"; exit 1; }
click_at "$window" 560 40
poll lines_are "$work/game/data/history.csv" ',left,' -eq 1 || { echo "the game left is not in the history"; exit 1; }
echo "the next game started with Enter, $(last_event music), $(last_event effects)"

# Practice on from the records window: the ranking viewer (menu at
# 309,365) and its 記録 (272,268).
click_at "$window" 309 365
poll opened "Form3" || { echo "no ranking viewer"; exit 1; }
click_at "$(window_named Form3)" 272 268
poll opened "記録" || { echo "no records window"; exit 1; }
records=$(window_named "記録")
xdotool windowmove "$records" 640 0
aside() { [ "$(xdotool getwindowgeometry "$records" | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')" -ge 620 ]; }
poll aside || { echo "the records window did not move aside"; exit 1; }
practice_on_from_records "$records" || exit 1

# A practice game, left with Top_btn, then the quit button (Finish_btn).
xdotool mousemove --window "$window" 300 200
xdotool windowfocus --sync "$window"
xdotool key Return
poll lines_are "$work/trace.log" '^start' -eq 3 || { echo "the practice game did not start"; exit 1; }
type_dogs 8
grep -aq $'^dog\t.*\tpractice$' "$work/trace.log" || { echo "no dog was chosen for practice:"; grep -a "^dog" "$work/trace.log" | tail -n 8; exit 1; }
click_at "$window" 560 40
poll grep -aq ',left,.*,practice' "$work/game/data/history.csv" || { echo "the practice game is not in the history"; exit 1; }
echo "a practice game: $(grep -ac $'^dog\t.*\tpractice$' "$work/trace.log") dogs chosen for practice"
click_at "$window" 560 152
ended() { ! kill -0 "$pid" 2>/dev/null; }
poll ended || { echo "kibbo did not end on the quit button"; exit 1; }
status=0
wait "$strace_pid" || status=$?
[ "$status" -eq 0 ] || { echo "kibbo (under strace) ended with status $status"; exit 1; }
game_pid=$pid
pid=

# The window's thread is the process's first: its calls are in the file
# named with the game's number. Any call after the first game's start that
# names a file or folder of the data folder, by path or by descriptor, fails.
# The folder is matched as given and as resolved, and as the relative path
# from the folder the game was started in.
main_calls=$calls_to.$game_pid
[ -s "$main_calls" ] || { echo "no calls of the window's thread in $main_calls"; exit 1; }
regex_of() { sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$1"; }
data=$work/game/data
data_forms="$(regex_of "$data")|$(regex_of "$(realpath "$data")")|(\./)?game/data"
on_data="[<\"]($data_forms)([/\">]|\$)"
after_start() { awk 'started { print; next } /^write\(2<[^>]*>, "start\\n"/ { started = 1 }' "$1"; }
grep -aq '^write(2<[^>]*>, "start\\n"' "$main_calls" || { echo "the window's thread never wrote the start line"; exit 1; }
# The watch must see the saves on the threads that make them, or it sees
# nothing.
saves=0
for calls in "$calls_to".*; do
  [ "$calls" = "$main_calls" ] || saves=$((saves + $(grep -acE "$on_data" "$calls" || true)))
done
[ "$saves" -gt 0 ] || { echo "no other thread touched the data folder: the watch sees nothing"; exit 1; }
# No call is let pass, not even a close: on a network file system a close
# waits for the file to be written back.
after_start "$main_calls" | grep -aE "$on_data" >"$work/window-thread-calls" || true
if [ -s "$work/window-thread-calls" ]; then
  sed -E "s#^([a-z0-9_]+)\\(.*[<\"]($data_forms)([^\">]*).*#\\1 data\\4#" "$work/window-thread-calls" |
    sort | uniq -c | sort -k1,1nr -k2 >"$work/window-thread-kinds"
  echo "FAILED: the window's thread made $(wc -l <"$work/window-thread-calls") calls on the data folder after the start."
  echo "By call and file (count, call, file):"
  head -n 20 "$work/window-thread-kinds"
  kinds=$(wc -l <"$work/window-thread-kinds")
  [ "$kinds" -le 20 ] || echo "and $((kinds - 20)) more kinds of call"
  exit 1
fi
echo "the window's thread made no call on the data folder after the start; the other threads made $saves"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a Wayland desktop (a headless sway): the desktop shows at the
# window's rounded corners, a drag on its background moves it by the drag,
# Enter starts a game whose guides are typed without a mistype, the next one
# in kana input typed by the keys' places on a Japanese keyboard, and a second
# start on the same folder brings it to the front with the token it was
# launched with, or says that the desktop did not let it.
# Usage: wayland_game.sh PATH/TO/kibbo PATH/TO/wayland_input
set -euo pipefail
kibbo=$(realpath "$1")
input=$(realpath "$2")
source "$(dirname "$0")/wayland_lib.sh"

start_kibbo
first=$pid
read -r x y w h focused < <(window_of "$first")
[ "$w" -eq 617 ] && [ "$h" -eq 418 ] || { echo "the window is ${w}x$h, not 617x418"; exit 1; }
echo "the window is at $x,$y, ${w}x$h"

# The corners are cut away: the desktop shows there, and the red margin
# inside the border is the window's.
painted() { screenshot && [ "$(pixel $((x + 4)) $((y + 200)))" = "255,0,0" ]; }
poll painted || { echo "the window's margin is not red: $(pixel $((x + 4)) $((y + 200)))"; exit 1; }
for corner in "$x $y" "$((x + w - 1)) $y" "$x $((y + h - 1))" "$((x + w - 1)) $((y + h - 1))" \
              "$((x + 3)) $((y + 3))" "$((x + w - 4)) $((y + h - 4))"; do
  colour=$(pixel $corner)
  [ "$colour" = "$desktop_colour" ] || { echo "the corner pixel $corner is $colour, not the desktop's $desktop_colour"; exit 1; }
done
echo "the corners show the desktop"

# A press on the margin, the bare background, hands the move to sway. A
# press that comes with the pointer's first arrival may be lost on the way;
# it is pressed again.
start_pointer
pointer_do at $((x + 4)) $((y + 200))
dragging() { grep -aq "^drag" "$work/trace.log"; }
for try in 1 2 3 4 5; do
  pointer_do press
  poll_for 3 dragging && break
  pointer_do release
done
dragging || { echo "a press on the background did not start a drag"; exit 1; }
pointer_do move 150 80
pointer_do release
moved() { read -r nx ny _ < <(window_of "$first"); [ "$nx" -eq $((x + 150)) ] && [ "$ny" -eq $((y + 80)) ]; }
poll moved || { echo "the window went from $x,$y to $(window_of "$first"), not by 150,80"; exit 1; }
echo "a drag by 150,80 moved the window to $((x + 150)),$((y + 80))"

# Enter starts; three guides typed as the trace announces them.
wtype -s 300 -k Return
poll grep -aq "^start" "$work/trace.log" || { echo "Enter did not start a game"; cat "$work/trace.log"; exit 1; }
for dog in 1 2 3; do
  guide=$(last_event dog | cut -f3)
  seen=$(grep -ac "^dog" "$work/trace.log")
  wtype -s 300 "$guide"
  next() { [ "$(grep -ac "^dog" "$work/trace.log")" -gt "$seen" ]; }
  poll next || { echo "typing '$guide' did not bring the next dog"; tail "$work/trace.log"; exit 1; }
done
if grep -aq "^miss\|^timeout" "$work/trace.log"; then echo "the typed game had a mistype:"; cat "$work/trace.log"; exit 1; fi
echo "three guides typed without a mistype"

# Kana input, set by another program while the game runs, from the next
# game: Top_btn (where Start_btn was) leaves this one, Enter starts the
# next. Its keys come by their places on sway's Japanese keyboard, ろ and
# the US keyboard's spare key left of 1 among them.
printf 'input=kana\r\n' >>"$work/game/data/options.ini"
read -r x y _ < <(window_of "$first")
pointer_do at $((x + 560)) $((y + 40))
pointer_do press
pointer_do release
poll grep -aq ',left,' "$work/game/data/history.csv" || { echo "Top_btn did not leave the game"; exit 1; }
wtype -s 300 -k Return
poll lines_are "$work/trace.log" '^start' -eq 2 || { echo "Enter did not start a kana game"; exit 1; }
spare_kana_keys "$input"
misses=$(grep -ac "^miss" "$work/trace.log")
typed=
for dog in 1 2 3; do
  guide=$(last_event dog | cut -f3)
  seen=$(grep -ac "^dog" "$work/trace.log")
  type_kana "$guide"
  typed="$typed $guide"
  next() { [ "$(grep -ac "^dog" "$work/trace.log")" -gt "$seen" ]; }
  poll next || { echo "typing '$guide' in kana did not bring the next dog"; tail "$work/trace.log"; exit 1; }
done
[ "$(grep -ac "^miss" "$work/trace.log")" -eq "$misses" ] || { echo "the kana game had a mistype:"; tail "$work/trace.log"; exit 1; }
echo "three readings typed in kana without a mistype:$typed"

# A game on another folder takes the focus.
program_folder "$work/other"
env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$work/other/kibbo" 2>"$work/other.err" &
other=$!
started "$other" "kibbo on another folder"
focused() { [ "$(window_of "$1" | cut -d' ' -f5)" = true ]; }
poll focused "$other" || { echo "the game on another folder did not take the focus: $(window_of "$other")"; cat "$work/other.err"; exit 1; }

# The second start asks with a launcher's token: the first game comes to the
# front, or the line says it did not.
second_start() {
  local status=0 token
  token=$("$input" token) && [ -n "$token" ] || { echo "sway handed out no activation token"; exit 1; }
  XDG_ACTIVATION_TOKEN=$token SDL_AUDIODRIVER=dummy timeout 60 "$work/game/kibbo" \
    >"$work/second.out" 2>"$work/second.err" || status=$?
  [ "$status" -eq 0 ] || { echo "the second start ended with status $status"; cat "$work/second.err"; exit 1; }
  [ "$(wc -l <"$work/second.err")" -eq 1 ] || { echo "the second start said more than one line:"; cat "$work/second.err"; exit 1; }
  grep -q "already running" "$work/second.err" || { echo "unexpected line: $(cat "$work/second.err")"; exit 1; }
  kill -0 "$first" || { echo "the first game ended"; exit 1; }
}
second_start
if grep -q "brought to the front" "$work/second.err"; then
  focused "$first" || { echo "the second start says the game came to the front, but sway has $(window_of "$other") focused"; exit 1; }
  echo "the first game came to the front: $(cat "$work/second.err")"
else
  ! focused "$first" || { echo "the game came to the front, but the second start says: $(cat "$work/second.err")"; exit 1; }
  echo "sway did not let the first game come to the front, and the line says so: $(cat "$work/second.err")"
fi

# Where the desktop refuses, the line does not claim the front.
swaymsg -q focus_on_window_activation none
swaymsg -q "[pid=$other] focus"
poll focused "$other" || { echo "the game on another folder did not take the focus back"; exit 1; }
second_start
if grep -q "front" "$work/second.err" && ! grep -q "did not let it come to the front" "$work/second.err"; then
  echo "the desktop refused, but the second start says: $(cat "$work/second.err")"; exit 1
fi
focused "$other" || { echo "sway refused to activate, yet the focus moved"; exit 1; }
echo "refused, the second start says: $(cat "$work/second.err")"
stop_process "$other" "kibbo on another folder"

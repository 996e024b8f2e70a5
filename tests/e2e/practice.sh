#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice features in a real window: any spelling switched on in the key
# settings and the reading in the options window, a game started with Enter
# and typed in other spellings than the guide shows, the reading's mark
# moving along the kana as they are typed, a mistype traced, the game left
# and kept in the history, and
# the records window opened by a second start with --records and from the
# ranking viewer. KIBBO_E2E_SHOTS=DIR keeps screenshots of each step.
# Usage: practice.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"
shots=${KIBBO_E2E_SHOTS:-$work/shots}
mkdir -p "$shots"

start_kibbo

# Key settings (menu button at 309,301): tick the box under the grid, OK.
click_at "$window" 309 301
poll opened "ユーザーキー設定" || { echo "no key settings"; exit 1; }
form1=$(window_named "ユーザーキー設定")
xdotool windowmove "$form1" 660 0
sleep 0.3
click_at "$form1" 24 364
sleep 0.3
import -window "$form1" "$shots/key-settings.png"
# The options window (its button at 204,364): the reading box (24,230), OK.
click_at "$form1" 204 364
poll opened "オプション" || { echo "no options window"; exit 1; }
options=$(window_named "オプション")
click_at "$options" 24 230
poll grep -aq "^reading=1" "$work/game/data/options.ini" || { echo "the reading is not on in options.ini"; exit 1; }
click_at "$options" 308 332
poll closed "オプション" || { echo "OK did not close the options"; exit 1; }
click_at "$form1" 276 364
poll closed "ユーザーキー設定" || { echo "OK did not close the key settings"; exit 1; }
[ "$(cat "$work/game/data/options.ini")" = "$(printf 'any_spelling=1\r\nreading=1\r')" ] \
  || { echo "options.ini:"; cat -A "$work/game/data/options.ini"; exit 1; }
[ "$(wc -l <"$work/game/data/key.ini")" -eq 43 ] || { echo "key.ini is no longer 43 lines"; exit 1; }
echo "any spelling and the reading on in options.ini; key.ini still 43 lines"

# Enter on the title starts a game.
xdotool windowfocus --sync "$window"
xdotool key Return
poll grep -q "^start" "$work/trace.log" || { echo "Enter did not start a game"; exit 1; }

# Each guide typed as the other choice of every slot would write it.
for _ in $(seq 43); do printf ' 1 \r\n'; done >"$work/ones.ini"
"$dist/kibbo-tool" catalogue --prefs "$work/ones.ini" | cut -f1,5 >"$work/other.tsv"

# The first dog letter by letter, a picture of the window after each: the
# marked kana (red, under the guide) never moves back, moves on as kana are
# typed, and the kana typed before it are dimmed.
mark_left() {
  convert "$1" -crop 440x26+80+150 +repage txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 >= 150 && $4 <= 80 && $5 <= 80 { if (min == "" || $1 < min) min = $1 } END { print min }'
}
dimmed_left_of() {
  convert "$1" -crop "${2}x26+80+150" +repage txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 >= 140 && $3 <= 190 && $3 == $4 && $4 == $5 { n++ } END { print n + 0 }'
}
poll grep -aq "^dog" "$work/trace.log" || { echo "no first dog"; exit 1; }
index=$(last_event dog | cut -f2)
first=$(awk -F'\t' -v i="$index" '$1 == i { print $2 }' "$work/other.tsv")
import -window "$window" "$work/mark.png"
marks=$(mark_left "$work/mark.png")
[ -n "$marks" ] || { echo "no marked kana under the guide"; exit 1; }
for ((k = 0; k < ${#first} - 1; k++)); do
  cp "$work/mark.png" "$work/before.png"
  xdotool type --window "$window" "${first:k:1}"
  redrawn() { import -window "$window" "$work/mark.png" && ! cmp -s "$work/mark.png" "$work/before.png"; }
  poll redrawn || { echo "the window did not change after '${first:k:1}'"; exit 1; }
  marks="$marks $(mark_left "$work/mark.png")"
done
cp "$work/mark.png" "$shots/reading.png"
read -r -a at <<<"$marks"
for ((k = 1; k < ${#at[@]}; k++)); do
  [ "${at[k]}" -ge "${at[k - 1]}" ] || { echo "the mark moved back: $marks"; exit 1; }
done
[ "${at[-1]}" -gt "${at[0]}" ] || { echo "the mark did not move along '$first': $marks"; exit 1; }
[ "$(dimmed_left_of "$work/mark.png" "${at[-1]}")" -gt 0 ] || { echo "no dimmed kana before the mark"; exit 1; }
echo "the mark moved along the reading as '$first' was typed: $marks"
xdotool type --window "$window" "${first: -1}"
typed=1
seen=1
while [ "$typed" -lt 8 ]; do
  lines=$(grep -ac "^dog" "$work/trace.log")
  if [ "$lines" -gt "$seen" ]; then
    seen=$lines
    index=$(last_event dog | cut -f2)
    other=$(awk -F'\t' -v i="$index" '$1 == i { print $2 }' "$work/other.tsv")
    xdotool type --window "$window" --delay 8 "$other"
    typed=$((typed + 1))
  else
    sleep 0.02
  fi
  kill -0 "$pid" || { echo "kibbo ended during play"; exit 1; }
done
poll lines_are "$work/trace.log" '^dog' -gt "$typed" || { echo "the last dog typed was not done"; tail "$work/trace.log"; exit 1; }
if grep -aq "^miss" "$work/trace.log"; then echo "a mistype for another spelling:"; grep -a "^miss" "$work/trace.log"; exit 1; fi
echo "$typed dogs typed in other spellings, no mistype"
import -window "$window" "$shots/play.png"

# A key no spelling allows is a mistype, traced with the letter expected.
xdotool type --window "$window" --delay 8 "Q"
poll grep -aq $'^miss\t.\tQ$' "$work/trace.log" || { echo "no miss line for Q"; exit 1; }
echo "traced: $(last_event miss)"

# Top_btn (where Start_btn was) leaves the game; the history keeps it.
click_at "$window" 560 40
history=$work/game/data/history.csv
poll test -s "$history" || { echo "no history.csv"; exit 1; }
poll grep -aq ",left,,.*,1," "$history" || { echo "the game left is not in the history:"; cat -A "$history"; exit 1; }
echo "history: $(tail -n 1 "$history")"

# A second start with --records hands over to this game, which opens them.
status=0
QT_QPA_PLATFORM=xcb timeout 60 "$work/game/kibbo" --records 2>"$work/records.err" || status=$?
[ "$status" -eq 0 ] || { echo "kibbo --records ended with $status"; cat "$work/records.err"; exit 1; }
poll opened "記録" || { echo "the running game did not open its records"; exit 1; }
records=$(window_named "記録")
xdotool windowmove "$records" 660 0
sleep 0.5
import -window "$records" "$shots/records.png"
# Its OK button, at the bottom right (8445,9840 twips).
click_at "$records" 587 668
poll closed "記録" || { echo "the records window did not close"; exit 1; }
echo "kibbo --records opened the records in the running game"

# And from the ranking viewer's 記録 button (at 3720,3840 twips).
click_at "$window" 309 365
poll opened "Form3" || { echo "no ranking viewer"; exit 1; }
viewer=$(window_named "Form3")
xdotool windowmove "$viewer" 660 0
sleep 0.3
import -window "$viewer" "$shots/viewer.png"
click_at "$viewer" 272 268
poll opened "記録" || { echo "記録 in the viewer opened nothing"; exit 1; }
echo "the viewer's 記録 opened the records window"

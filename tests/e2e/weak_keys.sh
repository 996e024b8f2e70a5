#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Weak-key practice in a real window: a few games typed from the trace with
# one letter mistyped and slow every time it comes, the records window's
# keyboard shaded both ways, practice turned on there, and a practice game
# whose chosen dogs are rich in that letter. KIBBO_E2E_SHOTS=DIR keeps the
# screenshots.
# Usage: weak_keys.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"
shots=${KIBBO_E2E_SHOTS:-$work/shots}
mkdir -p "$shots"
weak=k

start_kibbo
dogs_seen() { grep -ac "^dog" "$work/trace.log" || true; }

# Types each dog's guide after the first `seen` dogs of the trace, the weak
# letter after a wrong key and a pause, until `count` dogs are done; the
# dogs' guides and whether practice chose them go to $work/dogs.tsv.
seen=0
type_dogs() {
  local count=$1 typed=0 guide
  while [ "$typed" -lt "$count" ]; do
    poll lines_are "$work/trace.log" '^dog' -gt "$seen" || { echo "no next dog"; tail -n 40 "$work/trace.log"; exit 1; }
    seen=$(dogs_seen)
    last_event dog | cut -f3,4 >>"$work/dogs.tsv"
    guide=$(last_event dog | cut -f3)
    while [ -n "$guide" ]; do
      case "$guide" in
        "$weak"*) xdotool type --window "$window" "q"; sleep 0.3
                  xdotool type --window "$window" "$weak"; guide=${guide#?} ;;
        *) part=${guide%%"$weak"*}; xdotool type --window "$window" --delay 8 "$part"; guide=${guide#"$part"} ;;
      esac
    done
    typed=$((typed + 1))
  done
  poll lines_are "$work/trace.log" '^dog' -gt "$seen" || { echo "the last dog was not done"; exit 1; }
}

# Games of ten dogs, each left with Top_btn (where Start_btn was), until the
# weak letter has come a dozen times: twice the presses a key needs to be
# judged, a mistype and a correct key each time.
misses() { grep -ac $'^miss\t'"$weak" "$work/trace.log" || true; }
game=0
while [ "$(misses)" -lt 12 ]; do
  game=$((game + 1))
  [ "$game" -le 8 ] || { echo "'$weak' came only $(misses) times in 8 games"; exit 1; }
  seen=$(dogs_seen)
  xdotool windowfocus --sync "$window"
  xdotool key Return
  poll lines_are "$work/trace.log" '^start' -eq "$game" || { echo "game $game did not start"; exit 1; }
  type_dogs 10
  click_at "$window" 560 40
  poll lines_are "$work/game/data/history.csv" ',left,' -eq "$game" \
    || { echo "game $game is not in the history"; exit 1; }
done
echo "$game games typed, '$weak' mistyped $(misses) times"
"$dist/kibbo-tool" history --data "$work/game/data" | sed -n '/^key\t/,$p' | head -n 4

# The records window from the ranking viewer (menu at 309,365; 記録 at 272,268).
click_at "$window" 309 365
poll opened "Form3" || { echo "no ranking viewer"; exit 1; }
click_at "$(window_named Form3)" 272 268
poll opened "記録" || { echo "no records window"; exit 1; }
records=$(window_named "記録")
xdotool windowmove "$records" 640 0
sleep 0.5
import -window "$records" "$shots/records-mistypes.png"
# 「打つ時間」 (5040,7620 twips), then practice on.
click_at "$records" 350 518
sleep 0.5
import -window "$records" "$shots/records-time.png"
cmp -s "$shots/records-mistypes.png" "$shots/records-time.png" && { echo "the shading did not change"; exit 1; }
practice_on_from_records "$records" || exit 1
# The pointer back over the game, so that no window but the game's can take
# the keys.
xdotool mousemove --window "$window" 300 200
sleep 0.3
import -window "$window" "$shots/title-practice.png"
echo "practice turned on from the records window"

# A practice game: every second dog chosen for the weak letter.
: >"$work/dogs.tsv"
seen=$(dogs_seen)
xdotool windowfocus --sync "$window"
xdotool key Return
poll lines_are "$work/trace.log" '^start' -eq $((game + 1)) || { echo "the practice game did not start"; exit 1; }
type_dogs 12
import -window "$window" "$shots/play-practice.png"
share() { awk -v k="$weak" '{ n += length($1); c += gsub(k, "", $1) } END { printf "%.3f\n", c / n }'; }
catalogue=$("$dist/kibbo-tool" catalogue | cut -f5 | share)
chosen=$(awk -F'\t' '$2 == "practice" { print $1 }' "$work/dogs.tsv" | share)
[ "$(awk -F'\t' '$2 == "practice"' "$work/dogs.tsv" | wc -l)" -eq 6 ] || { echo "not every second dog was chosen:"; cat "$work/dogs.tsv"; exit 1; }
awk -v a="$chosen" -v b="$catalogue" 'BEGIN { exit !(a >= 2 * b) }' \
  || { echo "chosen dogs hold '$weak' at $chosen, the catalogue at $catalogue"; exit 1; }
echo "'$weak' is $chosen of the chosen dogs' letters, $catalogue of the catalogue's"
click_at "$window" 560 40
poll grep -aq ',left,.*,practice' "$work/game/data/history.csv" || { echo "the practice game is not kept as practice"; exit 1; }
echo "the practice game is kept with mode practice"

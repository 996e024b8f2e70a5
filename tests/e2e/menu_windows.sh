#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens each menu window from the title screen with real clicks, twice (still
# one window), closes the version window with Esc and with Enter, changes し
# to "SHI" in the key settings and checks that the next game's guides use it;
# then rewrites ん's spelling in key.ini as another program would, in place,
# and checks that the guides follow within the game.
# Usage: menu_windows.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

start_kibbo

# The menu buttons' middles, in pixels of the client area plus the border.
howto=(309 269); keys=(309 301); version=(309 333); ranking=(309 365)

count_named() { window_named "$1" | wc -l; }
opened() { [ "$(count_named "$1")" -ge 1 ]; }
# Xvfb has no window manager to place new windows: they all appear at the
# top left, over the main window. Each is moved aside, as a desktop would.
placed=0
expect_one() {
  poll opened "$1" || { echo "no window '$1' opened"; exit 1; }
  sleep 0.3
  local n
  n=$(count_named "$1")
  [ "$n" -eq 1 ] || { echo "$n windows '$1', not one"; exit 1; }
  local id
  id=$(window_named "$1")
  if [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')" -lt 620 ]; then
    xdotool windowmove "$id" $((640 + 20 * placed)) $((20 * placed))
    placed=$((placed + 1))
  fi
}

for name_and_button in "操作方法:howto" "Form3:ranking" "ﾊﾞｰｼﾞｮﾝ情報:version" "ユーザーキー設定:keys"; do
  name=${name_and_button%%:*}
  declare -n button=${name_and_button##*:}
  click_at "$window" "${button[0]}" "${button[1]}"
  expect_one "$name"
  click_at "$window" "${button[0]}" "${button[1]}"
  expect_one "$name"
  echo "one '$name' after two clicks"
done

closed() { [ "$(count_named "$1")" -eq 0 ]; }
for key in Escape Return; do
  if closed "ﾊﾞｰｼﾞｮﾝ情報"; then
    click_at "$window" "${version[0]}" "${version[1]}"
    expect_one "ﾊﾞｰｼﾞｮﾝ情報"
  fi
  about=$(window_named "ﾊﾞｰｼﾞｮﾝ情報")
  # Real key strokes to the focused window: a key sent to one window with
  # XSendEvent loses its release when that window closes on the press.
  xdotool windowfocus --sync "$about"
  xdotool key "$key"
  poll closed "ﾊﾞｰｼﾞｮﾝ情報" || { echo "$key did not close the version window"; exit 1; }
  echo "$key closed the version window"
done

# The first box (し) has the focus: Down picks "SHI"; OK (Command2) saves and closes.
form1=$(window_named "ユーザーキー設定")
xdotool windowfocus --sync "$form1"
xdotool key Down
sleep 0.2
click_at "$form1" 276 364
poll closed "ユーザーキー設定" || { echo "OK did not close the key settings"; exit 1; }
[ "$(head -n 1 "$work/game/data/key.ini")" = "$(printf ' 1 \r')" ] || { echo "key.ini line 1 is not 1"; cat -A "$work/game/data/key.ini" | head -3; exit 1; }
echo "key.ini holds 1 for し"

# The main window still takes clicks with the viewer and how-to windows open.
click_at "$window" 560 40
poll grep -q "^start" "$work/trace.log" || { echo "no game started"; exit 1; }
seen=0
while ! grep -aq "^dog.*shi" "$work/trace.log"; do
  lines=$(grep -ac "^dog" "$work/trace.log")
  if [ "$lines" -gt "$seen" ]; then
    seen=$lines
    xdotool type --window "$window" --delay 8 "$(last_event dog | cut -f3)"
  else
    sleep 0.02
  fi
  [ "$seen" -lt 90 ] || { echo "no guide with shi in $seen dogs"; exit 1; }
done
if grep -a "^dog" "$work/trace.log" | cut -f3 | grep -q "si"; then
  echo "a guide still writes し as si:"; grep -a "^dog" "$work/trace.log" | grep si; exit 1
fi
echo "guides write し as shi: $(grep -a '^dog.*shi' "$work/trace.log" | head -n 1 | cut -f3)"

# Spellings another program writes apply from the next dog, even written in
# place with the same size, so that the file keeps its inode and its size
# and only its time tells. While the し dog is on screen, ん's line goes
# from 0 ("NN") to 1 ("N"); the dog after it may still be on its way, but
# from the second on every guide with ん must write the new spelling.
keys=$work/game/data/key.ini
cp "$keys" "$work/before.ini"
[ "$(sed -n 5p "$work/before.ini")" = "$(printf ' 0 \r')" ] || { echo "key.ini line 5 (ん) is not 0"; exit 1; }
sed '5s/^ 0 / 1 /' "$work/before.ini" >"$work/after.ini"
for prefs in before after; do
  "$dist/kibbo-tool" catalogue --prefs "$work/$prefs.ini" | cut -f1,5 >"$work/$prefs.tsv"
done
guide_of() { awk -F'\t' -v i="$2" '$1 == i { print $2 }' "$work/$1.tsv"; }
file_id() { stat -c '%i %s' "$keys"; }
same_file=$(file_id)
edited_at=$(grep -ac "^dog" "$work/trace.log")
cat "$work/after.ini" >"$keys"
[ "$(file_id)" = "$same_file" ] || { echo "the rewrite changed key.ini's inode or size"; exit 1; }
# Each dog's guide against its guide under the old and the new spellings;
# `checked` once a dog from the second after the edit on has ん.
checked=
check_dog() {
  local line index guide old new after=$(($1 - edited_at))
  line=$(grep -a "^dog" "$work/trace.log" | sed -n "$1p")
  index=$(cut -f2 <<<"$line")
  guide=$(cut -f3 <<<"$line")
  old=$(guide_of before "$index")
  new=$(guide_of after "$index")
  [ "$old" != "$new" ] || return 0
  if [ "$guide" = "$new" ]; then
    [ "$after" -eq 1 ] || checked="dog $after after the edit writes ん as N: $guide"
  elif [ "$guide" != "$old" ]; then
    echo "dog $index's guide is $guide, neither $old nor $new"; exit 1
  elif [ "$after" -gt 1 ]; then
    echo "dog $after after the edit still writes ん as NN: $guide, not $new"; exit 1
  fi
}
seen=$edited_at
until [ -n "$checked" ]; do
  xdotool type --window "$window" --delay 8 "$(last_event dog | cut -f3)"
  poll lines_are "$work/trace.log" '^dog' -gt "$seen" || { echo "no next dog"; tail "$work/trace.log"; exit 1; }
  lines=$(grep -ac "^dog" "$work/trace.log")
  for ((n = seen + 1; n <= lines; n++)); do check_dog "$n"; done
  seen=$lines
  [ $((seen - edited_at)) -lt 30 ] || { echo "no dog with ん in 30 dogs after the edit"; exit 1; }
done
echo "key.ini rewritten in place: $checked"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens each menu window from the title screen with real clicks, twice (still
# one window), closes the version window with Esc and with Enter, changes し
# to "SHI" in the key settings and checks that the next game's guides use it.
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

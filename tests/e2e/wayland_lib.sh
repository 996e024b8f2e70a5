# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the whole-program tests on Wayland: a headless sway of the test's
# own, a private copy of the program folder, a started kibbo with --trace,
# and the compositor's view of its windows. Every test sources this after
# `kibbo=$(realpath PATH/TO/kibbo)` and `input=$(realpath PATH/TO/wayland_input)`.

if ! command -v sway >/dev/null; then
  echo "sway is not installed: no Wayland desktop to test on"
  exit 77
fi
for tool in swaymsg grim wtype jq; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bash scripts/install-deps.sh installs it)"; exit 1; }
done

# The screen, and the desktop's colour that shows wherever no window is.
screen_width=1280
screen_height=800
desktop_colour="32,48,64"

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
pid=

# sway will not run as root: there it runs as nobody, in a runtime folder
# of its own that root's programs reach all the same.
mkdir -m 700 "$work/sway"
as_sway=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody: "$work/sway"
  as_sway=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --reset-env)
fi
cat >"$work/sway.conf" <<EOF
xwayland disable
output * resolution ${screen_width}x${screen_height} bg #203040 solid_color
default_border none
default_floating_border none
# A window asking with a launcher's token comes to the front.
focus_on_window_activation focus
# A Japanese keyboard, as a kana typist has. wtype and type_kana send their
# own keymaps with their keys.
input type:keyboard {
  xkb_model jp106
  xkb_layout jp
}
EOF
# The test runner's mark, which --reset-env would drop.
"${as_sway[@]}" env XDG_RUNTIME_DIR="$work/sway" HOME="$work/sway" PATH="$PATH" KIBBO_TEST_RUN="${KIBBO_TEST_RUN:-}" \
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
started "$sway_pid" sway
sway_ready() {
  kill -0 "$sway_pid" 2>/dev/null || { echo "sway ended early:"; cat "$work/sway.log"; exit 1; }
  local socket
  socket=$(find "$work/sway" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
  SWAYSOCK=$(find "$work/sway" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
  [ -n "$socket" ] && [ -n "$SWAYSOCK" ] || return 1
  export WAYLAND_DISPLAY=$socket SWAYSOCK
  swaymsg -t get_version >/dev/null 2>&1
}
poll sway_ready || { echo "sway did not start:"; cat "$work/sway.log"; exit 1; }
unset DISPLAY
# A Japanese keyboard on sway's seat for the whole test. sway tells its
# programs that the seat has a keyboard only while one is there: a typing's
# keyboard of its own (type_kana) would come and go before the game had
# taken it, and its keys would be lost.
"$input" keyboard >"$work/keyboard.out" &
started $! "the held keyboard"
poll grep -q ok "$work/keyboard.out" || { echo "no keyboard on sway's seat"; exit 1; }
# The game's own runtime folder: its lock and socket, apart from sway's.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# The program with its folders, data copied so the test writes only its own.
program_folder "$work/game"

# Qt takes the Wayland platform by itself from WAYLAND_DISPLAY.
start_kibbo() {
  cd "$work"
  env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$work/game/kibbo" --trace 2>"$work/trace.log" &
  pid=$!
  started "$pid" kibbo
  cd - >/dev/null
  poll window_shown "$pid" || { echo "no window of kibbo appeared"; cat "$work/trace.log"; exit 1; }
}

# "X Y WIDTH HEIGHT FOCUSED" of the window of a process, as sway has it.
window_of() {
  swaymsg -t get_tree | jq -r --argjson pid "$1" \
    '.. | objects | select(.pid? == $pid and .visible == true) | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height) \(.focused)"' \
    | head -n 1
}

window_shown() {
  kill -0 "$1" 2>/dev/null || { echo "kibbo ended early:"; cat "$work/trace.log"; exit 1; }
  [ -n "$(window_of "$1")" ]
}

# The colour "R,G,B" of a screen pixel in the last screenshot.
screenshot() { grim "$work/screen.png"; }
pixel() {
  convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# A pointer held by the test: pointer_do sends one command (see
# wayland/wayland_input.cpp) and waits for the compositor to take it.
start_pointer() {
  mkfifo "$work/pointer.in"
  "$input" pointer "$screen_width" "$screen_height" <"$work/pointer.in" >"$work/pointer.out" &
  started $! wayland_input
  exec 5>"$work/pointer.in"
}
pointer_do() {
  local before
  before=$(wc -l <"$work/pointer.out")
  echo "$*" >&5
  poll bash -c "[ \$(wc -l <'$work/pointer.out') -gt $before ]" || { echo "the pointer did not take: $*"; exit 1; }
}

# type_kana TEXT: types TEXT in kana by the physical keys of a Japanese
# keyboard (wayland_input kana), each key taken by sway before the next.
type_kana() {
  "$input" kana "$1" || { echo "could not type '$1' in kana"; exit 1; }
}

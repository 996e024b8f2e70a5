# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the whole-program tests on X11: an X server of the test's own, a
# private copy of the program folder, a started kibbo with --trace, and
# window look-ups.
# Every test sources this after `kibbo=$(realpath PATH/TO/kibbo)`.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Always on an X server of our own, so that a test never drives a
# developer's real pointer. The server picks a free display itself and
# names it once it takes connections (-displayfd), so that two tests never
# race for one number. A test that restarts the game leaves the server
# without a client for a moment, and a server resetting then may refuse the
# next start: -noreset keeps it as it is.
Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started $! Xvfb
display_ready() { grep -q '^[0-9]' "$work/display" 2>/dev/null; }
poll display_ready || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

# As outside a login session: no session bus. A D-Bus library that went to
# start one would run this dbus-launch, which only leaves a mark.
unset DBUS_SESSION_BUS_ADDRESS
mkdir "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s"\nexit 1\n' "$work/dbus-launched" >"$work/bin/dbus-launch"
chmod +x "$work/bin/dbus-launch"
export PATH="$work/bin:$PATH"

# The program with its folders, data copied so the test writes only its own.
program_folder "$work/game"
pid=

start_kibbo() {
  # Started from another directory: the program finds its files in its own.
  cd "$work"
  # A test that listens sets audio_driver=disk and SDL_DISKAUDIOFILE.
  if [ -n "${calls_to:-}" ]; then
    # A test that watches the game's system calls sets calls_to=PREFIX: the
    # game runs under strace, each thread's calls in PREFIX.TID with every
    # descriptor's file named. The shell strace starts says its number and
    # becomes the game, so that pid is the game's own, as the window's is.
    # The sanitizer build's leak check stops the threads as a debugger
    # would, which a traced program cannot be: the same game untraced is
    # checked for leaks in the other tests.
    rm -f "$work/game.pid"
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER="${audio_driver:-dummy}" \
      ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
      strace -q -f -ff -y -o "$calls_to" -- \
      sh -c 'echo $$ >"$1"; exec "$0" --trace' "$work/game/kibbo" "$work/game.pid" 2>"$work/trace.log" &
    strace_pid=$!
    started "$strace_pid" strace
    game_pid_known() { [ -s "$work/game.pid" ]; }
    poll game_pid_known || { echo "the game under strace did not start:"; cat "$work/trace.log"; exit 1; }
    pid=$(cat "$work/game.pid")
  else
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER="${audio_driver:-dummy}" "$work/game/kibbo" --trace 2>"$work/trace.log" &
    pid=$!
  fi
  started "$pid" kibbo
  cd - >/dev/null
  poll find_main_window || { echo "no window of kibbo appeared"; cat "$work/trace.log"; exit 1; }
}

window=
find_main_window() {
  kill -0 "$pid" 2>/dev/null || { echo "kibbo ended early:"; cat "$work/trace.log"; exit 1; }
  window=$(xdotool search --all --onlyvisible --pid "$pid" --classname kibbo 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && import -window "$window" "$work/first.png" 2>/dev/null \
    && [ "$(identify -format %k "$work/first.png")" -gt 2 ]
}

# A window of the program found by its caption. The caption is compared as
# the window's UTF-8 name (_NET_WM_NAME), which is what xdotool getwindowname
# reads first: the legacy WM_NAME that a search by --name matches is encoded
# after the program's locale and holds raw bytes in the POSIX one.
window_named() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done
  true
}

# Clicks at a point of a window's client area, in pixels.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

closed() { [ -z "$(window_named "$1")" ]; }
opened() { [ -n "$(window_named "$1")" ]; }

# In the open records window RECORDS, over the ranking viewer:
# 「苦手なキーを練習する」 (600,8760 twips) on and seen in options.ini, then the
# records' OK (8445,9840) and the viewer's (4560,3840).
practice_on_from_records() {
  click_at "$1" 48 594
  poll grep -aq "^weak_keys=1" "$work/game/data/options.ini" || { echo "practice is not in options.ini"; return 1; }
  click_at "$1" 587 668
  poll closed "記録" || { echo "the records window did not close"; return 1; }
  click_at "$(window_named Form3)" 328 268
  poll closed "Form3" || { echo "the ranking viewer did not close"; return 1; }
}

# type_kana TEXT: types TEXT in kana by the physical keys of a Japanese
# keyboard (x11_keys kana), whatever keymap the server has. ctest says in
# KIBBO_X11_KEYS where the build put x11_keys.
type_kana() {
  [ -x "${KIBBO_X11_KEYS:-}" ] || { echo "no x11_keys: run the test through ctest, with libxtst-dev installed (bash scripts/install-deps.sh test)"; exit 1; }
  "$KIBBO_X11_KEYS" kana "$1" || { echo "could not type '$1' in kana"; exit 1; }
}

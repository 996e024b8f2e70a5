# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the whole-program tests: a private copy of the program folder, a
# started kibbo with --trace, polling, and window look-ups.
# Every test sources this after `kibbo=$(realpath PATH/TO/kibbo)`.

# The scripts compare and type Japanese captions: they rely on a UTF-8
# locale, which a bare system (no LANG at all) does not have.
export LC_ALL=C.UTF-8
unset LANGUAGE

# Always on an X server of our own, so that a test never drives a
# developer's real pointer. xvfb-run stops its server without waiting for
# it, so a display number just given up may still be in the old server's
# hands, which then removes the new one's socket as it goes: each test
# starts looking for a free number at one of its own. A test that restarts
# the game leaves the server without a client for a moment, and a server
# resetting then may refuse the next start: -noreset keeps it as it is.
if [ -z "${KIBBO_E2E_XVFB:-}" ]; then
  export KIBBO_E2E_XVFB=1
  exec xvfb-run -a -n $((200 + $$ % 700)) -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program with its folders, data copied so the test writes only its own.
dist=$(dirname "$kibbo")
mkdir -p "$work/game"
cp "$kibbo" "$work/game/kibbo"
for d in ani pics sound; do ln -s "$dist/$d" "$work/game/$d"; done
cp -r "$dist/data" "$work/game/data"

# Polls a command every 0.1 s for up to 30 s.
poll() {
  local tries=300
  until "$@"; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then return 1; fi
    sleep 0.1
  done
}

start_kibbo() {
  # Started from another directory: the program finds its files in its own.
  cd "$work"
  # A test that listens sets audio_driver=disk and SDL_DISKAUDIOFILE.
  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER="${audio_driver:-dummy}" "$work/game/kibbo" --trace 2>"$work/trace.log" &
  pid=$!
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

# The number of lines of a file that match a pattern passes a test, as in
# `poll lines_are "$work/trace.log" '^dog' -gt 3`: the count is taken anew on
# every try, where `poll test "$(grep -c ...)"` would count only once.
lines_are() {
  [ "$(grep -ac -- "$2" "$1" 2>/dev/null || true)" "$3" "$4" ]
}

# The last line of the trace that starts with a word.
last_event() {
  grep -a "^$1" "$work/trace.log" | tail -n 1
}

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the X11 and Wayland libraries of the whole-program tests: the
# locale, polling, private program folders made from the game's defaults,
# and every background process ended for certain when the test ends.
# Sourced after `kibbo=$(realpath PATH/TO/kibbo)`.

# The scripts compare and type Japanese captions: they rely on a UTF-8
# locale, which a bare system (no LANG at all) does not have.
export LC_ALL=C.UTF-8
unset LANGUAGE

work=$(mktemp -d)
# The Wayland tests run their compositor as another user, who enters it.
chmod 755 "$work"
dist=$(dirname "$kibbo")
# The default data the build makes. The data/ beside the built program is
# no start: a game started from there (as `make run` did before it kept the
# player's files apart) writes its history and options into it.
defaults=${KIBBO_DEFAULT_DATA:-}
[ -f "$defaults/key.ini" ] || { echo "no default data in '$defaults': run the test through ctest"; exit 1; }

# Polls a command every 0.1 s for up to 30 s; poll_for SECONDS for less.
poll() { poll_for 30 "$@"; }
poll_for() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then return 1; fi
    sleep 0.1
  done
}

# program_folder DIR: the program with its folders in DIR, the pictures and
# sounds linked, the data a fresh copy of the defaults.
program_folder() {
  mkdir -p "$1"
  cp "$kibbo" "$1/kibbo"
  for d in ani pics sound; do ln -s "$dist/$d" "$1/$d"; done
  cp -r "$defaults" "$1/data"
}

# Every process the test starts in the background: `started PID NAME` after
# starting it. At the end each still running is ended, the last started
# first, and the servers after the games that use them.
started_pids=()
started_names=()
started() {
  started_pids+=("$1")
  started_names+=("$2")
}

# stop_process PID NAME: asks the process to end (SIGTERM) and waits for it;
# one that is still there after 10 s is killed, and that fails the test, as
# a game that does not end on SIGTERM would hang a player's session too.
stop_process() {
  local pid=$1 name=$2 i
  # Ended once, never again: its number may be another process's by then.
  for i in "${!started_pids[@]}"; do
    [ "${started_pids[i]}" != "$pid" ] || started_pids[i]=
  done
  gone() { ! kill -0 "$1" 2>/dev/null; }
  if ! gone "$pid"; then
    kill -TERM "$pid" 2>/dev/null || true
    if ! poll_for 10 gone "$pid"; then
      kill -KILL "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "FAILED: $name (pid $pid) did not end within 10 s of SIGTERM and was killed"
      return 1
    fi
  fi
  wait "$pid" 2>/dev/null || true
}

stop_all() {
  local i status=0
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    [ -z "${started_pids[i]}" ] || stop_process "${started_pids[i]}" "${started_names[i]}" || status=1
  done
  started_pids=()
  started_names=()
  return "$status"
}

on_exit() {
  local status=$?
  # A test stopped by a failing command (an X request to a window that is
  # gone) says no more than that: the game's last words tell why. A game the
  # test has already seen end (pid emptied) is no longer the question.
  if [ "$status" -ne 0 ] && [ -n "${pid:-}" ] && [ -s "$work/trace.log" ]; then
    local state="is still running" ended=0
    if ! kill -0 "$pid" 2>/dev/null; then
      # A game run under strace is strace's child, and strace ends as it did.
      wait "${strace_pid:-$pid}" 2>/dev/null || ended=$?
      # Not a command whose failure would end this handler before the
      # processes below are ended.
      state="has ended with status $ended"
      [ "$ended" -le 128 ] || state+=" (signal $((ended - 128)))"
    fi
    echo "-- the game $state; the end of its trace:"
    tail -n 15 "$work/trace.log"
  fi
  stop_all || status=1
  rm -rf "$work"
  exit "$status"
}
trap on_exit EXIT

# The last line of the trace that starts with a word.
last_event() {
  grep -a "^$1" "$work/trace.log" | tail -n 1
}

# The number of lines of a file that match a pattern passes a test, as in
# `poll lines_are "$work/trace.log" '^dog' -gt 3`: the count is taken anew on
# every try, where `poll test "$(grep -c ...)"` would count only once.
lines_are() {
  [ "$(grep -ac -- "$2" "$1" 2>/dev/null || true)" "$3" "$4" ]
}

# spare_kana_keys SENDER...: ろ on the key beside the right Shift (keycode
# 97) and ー on a US keyboard's spare key left of 1 (49), each sent as
# `SENDER code N` where the dog on screen wants another kana, are traced as
# mistypes of that very kana.
spare_kana_keys() {
  local first key kana
  first=$(last_event dog | cut -f3)
  for key in 97 49; do
    kana=$([ "$key" = 97 ] && echo ろ || echo ー)
    [ "${first:0:1}" != "$kana" ] || continue
    "$@" code "$key"
    poll grep -aq $'^miss\t.*\t'"$kana\$" "$work/trace.log" || { echo "keycode $key was not taken as $kana"; tail -n 3 "$work/trace.log"; exit 1; }
  done
}

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sound and window options in the real program. What the game plays is
# recorded by SDL's disk driver, which writes the mixed output (16-bit
# samples) to a file as a sound card would play it: music off and effects on
# is silence until a key barks, both off is silence throughout, music at 50
# is half as loud as at 100. A pause of a few seconds delays the dog's
# time-out by as long, another window taking the keyboard pauses, and at
# 200 % the window is twice as large.
# Usage: options.sh PATH/TO/kibbo
set -euo pipefail
kibbo=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

audio_driver=disk
second=176400 # bytes of one second at 44.1 kHz, stereo, 16 bits

# The loudest sample of a recording between two byte offsets (to its end
# without the second), and the offset of its first sound.
peak() {
  python3 - "$@" <<'PY'
import array, sys
data = open(sys.argv[1], 'rb').read()
start = int(sys.argv[2]) if len(sys.argv) > 2 else 0
end = int(sys.argv[3]) if len(sys.argv) > 3 else len(data)
samples = array.array('h', data[start - start % 2:end - end % 2])
print(max((abs(s) for s in samples), default=0))
PY
}
first_sound() {
  python3 - "$1" <<'PY'
import array, sys
data = open(sys.argv[1], 'rb').read()
samples = array.array('h', data[:len(data) - len(data) % 2])
print(next((2 * i for i, s in enumerate(samples) if s != 0), -1))
PY
}
size() { stat -c %s "$1" 2>/dev/null || echo 0; }
at_least() { [ "$(size "$1")" -ge "$2" ]; }

# A game started afresh on the given options, recording into NAME.raw.
run() {
  stop
  printf '%s\r\n' "${@:2}" >"$work/game/data/options.ini"
  export SDL_DISKAUDIOFILE="$work/$1.raw"
  rm -f "$SDL_DISKAUDIOFILE"
  start_kibbo
  # The title is silent; the device is open once the file grows.
  poll at_least "$SDL_DISKAUDIOFILE" $((second / 2)) || { echo "nothing recorded"; cat "$work/trace.log"; exit 1; }
}
stop() {
  if [ -n "$pid" ]; then stop_process "$pid" kibbo; pid=; fi
}
start_game() {
  xdotool windowfocus --sync "$window"
  xdotool key Return
  poll grep -aq "^dog" "$work/trace.log" || { echo "Enter did not start a game"; cat "$work/trace.log"; exit 1; }
}
guide() { last_event dog | cut -f3; }
# Waits until a second more has been recorded than now.
one_more_second() { poll at_least "$SDL_DISKAUDIOFILE" $(($(size "$SDL_DISKAUDIOFILE") + second)); }

# Music off, effects on: the game plays silence until the first key barks.
run music_off music=0 effects=1
start_game
one_more_second
before_key=$(size "$SDL_DISKAUDIOFILE")
[ "$(peak "$SDL_DISKAUDIOFILE" 0 "$before_key")" = 0 ] || { echo "sound before any key with the music off"; exit 1; }
xdotool type --window "$window" "$(guide | cut -c1)"
heard() { [ "$(first_sound "$SDL_DISKAUDIOFILE")" -ge 0 ]; }
poll heard || { echo "the correct key did not bark"; exit 1; }
[ "$(first_sound "$SDL_DISKAUDIOFILE")" -ge "$before_key" ] || { echo "sound came before the key"; exit 1; }
echo "music off: silence for $((before_key / second)) s, then the bark (peak $(peak "$SDL_DISKAUDIOFILE"))"

# Both off: a dog typed, and silence throughout.
run silent music=0 effects=0
start_game
xdotool type --window "$window" --delay 20 "$(guide)"
poll lines_are "$work/trace.log" '^dog' -ge 2 || { echo "the dog was not typed"; exit 1; }
one_more_second
[ "$(peak "$SDL_DISKAUDIOFILE")" = 0 ] || { echo "sound with music and effects off"; exit 1; }
echo "music and effects off: $(($(size "$SDL_DISKAUDIOFILE") / second)) s of silence, a dog typed"

# The opening tune's first three seconds at two volumes (run here, not in a
# subshell, so that the game started is the one stopped).
loudness() {
  run "music$1" music=1 effects=0 "music_volume=$1"
  start_game
  poll heard || { echo "no music at $1"; exit 1; }
  local from
  from=$(first_sound "$SDL_DISKAUDIOFILE")
  poll at_least "$SDL_DISKAUDIOFILE" $((from + 3 * second))
  loudest=$(peak "$SDL_DISKAUDIOFILE" "$from" $((from + 3 * second)))
}
loudness 100
full=$loudest
loudness 50
half=$loudest
echo "music peaks: $full at 100, $half at 50"
python3 -c "import sys; r = $half / $full; sys.exit(0 if 0.45 <= r <= 0.55 else 1)" \
  || { echo "music at 50 is not about half as loud as at 100"; exit 1; }

# A pause of three seconds delays the dog's time-out by as long.
now() { date +%s.%N; }
run pause pause=1 music=0 effects=0
start_game
dog_at=$(now)
letters=$(guide | tr -d '\n' | wc -c)
xdotool key Escape
poll grep -aq "^pause" "$work/trace.log" || { echo "Escape did not pause"; exit 1; }
paused_at=$(now)
sleep 3 # the player away from the keys
xdotool key Return
poll grep -aq "^resume" "$work/trace.log" || { echo "Enter did not resume"; exit 1; }
resumed_at=$(now)
poll grep -aq "^timeout" "$work/trace.log" || { echo "no time-out"; exit 1; }
timeout_at=$(now)
if grep -aq "^miss" "$work/trace.log"; then echo "a key of the pause was judged"; grep -a "^miss" "$work/trace.log"; exit 1; fi
python3 - "$dog_at" "$paused_at" "$resumed_at" "$timeout_at" "$letters" <<'PY' || exit 1
import sys
dog, paused, resumed, timeout, letters = map(float, sys.argv[1:])
limit = letters * 0.5          # five ticks of 100 ms a letter
pause = resumed - paused
took = timeout - dog
print(f"a {limit:.1f} s time-out with a {pause:.1f} s pause came after {took:.1f} s")
# Never sooner than the limit and the pause; later only by a loaded machine's lag.
sys.exit(0 if limit + pause - 0.3 <= took <= limit + pause + 0.5 * limit + 3 else 1)
PY

# Another window taking the keyboard pauses the game too (xmessage is of
# x11-utils, as xwininfo).
xmessage -geometry +700+500 "another window" 2>/dev/null &
other=$!
started "$other" xmessage
xdotool windowfocus "$(xdotool search --sync --classname xmessage | head -n 1)"
poll lines_are "$work/trace.log" '^pause' -eq 2 || { echo "losing the keyboard did not pause"; exit 1; }
stop_process "$other" xmessage
xdotool windowfocus --sync "$window"
xdotool key Return
poll lines_are "$work/trace.log" '^resume' -eq 2 || { echo "Enter did not resume after the focus came back"; exit 1; }
echo "another window taking the keyboard paused the game"

# At 200 % the window is twice the size of the design, 617 x 418.
run scale200 scale=200 music=0 effects=0
eval "$(xwininfo -id "$window" | awk '/Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
[ "$w" = 1234 ] && [ "$h" = 836 ] || { echo "the window at 200 % is $w x $h"; exit 1; }
start_game
import -window root "$work/scale200.png"
if [ -n "${KIBBO_E2E_SHOTS:-}" ]; then cp "$work/scale200.png" "$KIBBO_E2E_SHOTS/"; fi
echo "the window at 200 % is $w x $h"
stop

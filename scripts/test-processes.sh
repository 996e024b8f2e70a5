# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the test runners: the processes a whole-program test starts
# (games, X servers, compositors and their helpers), to make sure that none
# outlives its test.

# Every process started under this runner carries this mark in its
# environment, so that the check finds this run's own and not those of
# another run beside it (another checkout's, or a fresh system's in a
# chroot, which shares this machine's processes).
export KIBBO_TEST_RUN=${KIBBO_TEST_RUN:-$$.$(date +%s%N)}

# The programs' names as the kernel has them (at most 15 characters).
test_process_names='kibbo|Xvfb|sway|swaybg|wayland_input|xmessage|xvfb-run'

# Their process numbers now, one line each.
test_processes() {
  local pid
  for pid in $(ps -eo pid=,comm= | awk -v names="^($test_process_names)\$" '$2 ~ names { print $1 }'); do
    # A process may end between the listing and this look.
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "KIBBO_TEST_RUN=$KIBBO_TEST_RUN" && echo "$pid"
  done | sort
}

# leftovers BEFORE: each such process that was not running before (BEFORE as
# test_processes gave it then), described on a line; false when there is none.
leftovers() {
  local pid found=1
  for pid in $(comm -13 <(printf '%s\n' "$1") <(test_processes)); do
    echo "left behind: $(ps -o pid=,etime=,args= -p "$pid" 2>/dev/null)"
    found=0
  done
  return "$found"
}

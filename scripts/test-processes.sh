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
test_process_names='kibbo|Xvfb|sway|swaybg|wayland_input|x11_keys|xmessage|xvfb-run|strace'

# Their process numbers now, one line each.
test_processes() {
  local pid
  for pid in $(ps -eo pid=,comm= | awk -v names="^($test_process_names)\$" '$2 ~ names { print $1 }'); do
    # A process may end between the listing and this look.
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "KIBBO_TEST_RUN=$KIBBO_TEST_RUN" && echo "$pid"
  done | sort
}

# The sanitizer build's settings. The libraries below the game (Qt,
# fontconfig, SDL, FluidSynth) keep some memory to the end on purpose; the
# suppressions name them, never our code.
sanitizer_settings() {
  export LSAN_OPTIONS="suppressions=$1/tests/sanitizers/lsan.supp:print_suppressions=0"
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
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

# settled_leftovers BEFORE: leftovers, once a process whose end is under way
# has had a few seconds.
settled_leftovers() {
  local _
  for _ in $(seq 50); do leftovers "$1" >/dev/null || break; sleep 0.1; done
  leftovers "$1"
}

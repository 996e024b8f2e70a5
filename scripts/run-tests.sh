#!/usr/bin/env bash
# Runs the whole test suite: the normal build's tests, the same tests built
# with the address and undefined-behaviour sanitizers (BUILD-asan), and a
# short run of every fuzzer (BUILD-fuzz). Widget tests use Qt's offscreen
# platform; the whole-program tests need an X display, so the suite runs
# under Xvfb when there is none.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

ctest --test-dir "$build" --output-on-failure -j2

# The libraries below the game (Qt, fontconfig, SDL, FluidSynth) keep some
# memory to the end on purpose; the suppressions name them, never our code.
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for extra in asan fuzz; do
  if [ ! -f "$build-$extra/CTestTestfile.cmake" ]; then
    echo "run-tests: $build-$extra is not built (make test builds it)" >&2
    exit 1
  fi
  ctest --test-dir "$build-$extra" --output-on-failure -j2
done

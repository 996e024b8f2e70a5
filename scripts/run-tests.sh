#!/usr/bin/env bash
# Runs the whole test suite. Widget tests use Qt's offscreen platform; the
# whole-program tests need an X display, so the suite runs under Xvfb when
# there is none.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$build" --output-on-failure -j2
fi
exec ctest --test-dir "$build" --output-on-failure -j2

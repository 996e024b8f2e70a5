#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the whole test suite: the normal build's tests, the same tests built
# with the address and undefined-behaviour sanitizers (BUILD-asan), and a
# short run of every fuzzer (BUILD-fuzz). Widget tests use Qt's offscreen
# platform; each whole-program test starts an X server or a compositor of
# its own. A game, server or compositor that outlives its test fails the
# suite.
# Every suite runs to its end even when an earlier one failed, so that one
# run tells the state of all three; one line per suite sums them up, and the
# exit status is non-zero when any failed.
set -uo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# The tests compare Japanese text; a bare system has no locale at all.
export LC_ALL=C.UTF-8
unset LANGUAGE
source "$here/scripts/test-processes.sh"
before=$(test_processes)

summary=()
failed=0
# run_suite NAME FOLDER: the suite's ctest run, then its line in the summary.
run_suite() {
  local name=$1 folder=$2 count
  if [ ! -f "$folder/CTestTestfile.cmake" ]; then
    summary+=("suite $name: FAILED ($folder is not built; make test builds it)")
    failed=1
    return
  fi
  count=$(ctest --test-dir "$folder" -N | sed -n 's/^Total Tests: *//p')
  if ctest --test-dir "$folder" --output-on-failure -j2; then
    summary+=("suite $name: passed (${count:-0} tests)")
  else
    summary+=("suite $name: FAILED (see the output above; ${count:-0} tests)")
    failed=1
  fi
}

run_suite normal "$build"

sanitizer_settings "$here"
run_suite asan "$build-asan"
run_suite fuzz "$build-fuzz"

# Whatever a test left running would otherwise go on after the suite.
if settled_leftovers "$before"; then
  summary+=("processes left behind by the tests: FAILED (listed above)")
  failed=1
fi

echo
printf '%s\n' "${summary[@]}"
exit "$failed"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the whole-program tests of the normal and the sanitizer build N times
# and prints each test's passes out of N, to find the tests that fail now
# and then. With --busy every core is kept busy meanwhile, as on a loaded
# machine. The output of every failed run is kept, and the folder named.
#   repeat-tests.sh [--busy] [-R REGEX] N
# Both builds must be built (make test builds them). Exit status 0 when
# every run of every test passed and none left a process behind.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
usage() { echo "usage: $0 [--busy] [-R REGEX] N" >&2; exit 2; }
busy=0
regex='^e2e_'
runs=
while [ $# -gt 0 ]; do
  case $1 in
    --busy) busy=1 ;;
    -R) [ $# -ge 2 ] || usage; regex=$2; shift ;;
    [0-9]*) runs=$1 ;;
    *) usage ;;
  esac
  shift
done
[ -n "$runs" ] && [ "$runs" -gt 0 ] || usage

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8
unset LANGUAGE
source "$here/scripts/test-processes.sh"
sanitizer_settings "$here"

logs=$(mktemp -d "${TMPDIR:-/tmp}/kibbo-repeat.XXXXXX")
loaders=()
stop_loaders() {
  [ ${#loaders[@]} -eq 0 ] || { kill "${loaders[@]}" 2>/dev/null; wait "${loaders[@]}" 2>/dev/null; }
  loaders=()
}
trap stop_loaders EXIT
if [ "$busy" -eq 1 ]; then
  # One endless loop per core, at the tests' own priority.
  for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    loaders+=($!)
  done
  echo "keeping $(nproc) cores busy"
fi

declare -A passes
failed=0
for build in build build-asan; do
  folder=$here/$build
  [ -f "$folder/CTestTestfile.cmake" ] || { echo "$folder is not built; make test builds it" >&2; exit 2; }
  for run in $(seq "$runs"); do
    before=$(test_processes)
    log=$logs/$build-$run.log
    ctest --test-dir "$folder" -R "$regex" --output-on-failure >"$log" 2>&1
    # Lines such as "1/9 Test #12: e2e_start_button .......   Passed   9.81 sec".
    while read -r name result; do
      key="$build $name"
      [ "$result" = Passed ] && passes[$key]=$((${passes[$key]:-0} + 1)) || passes[$key]=${passes[$key]:-0}
    done < <(sed -n 's/^ *[0-9]*\/[0-9]* *Test *#[0-9]*: \([^ ]*\) [ .*]*\([A-Za-z]*\).*/\1 \2/p' "$log")
    if settled_leftovers "$before" >>"$log"; then
      echo "run $run of $build left processes behind (see $log)"
      failed=1
    fi
    grep -q '^100% tests passed' "$log" || { echo "run $run of $build: a test failed (see $log)"; failed=1; }
  done
done

echo
for key in $(printf '%s\n' "${!passes[@]}" | sort -t' ' -k1,1 -k2,2 | tr ' ' '|'); do
  key=${key/|/ }
  printf '%-12s %-26s %3d of %d\n' ${key} "${passes[$key]}" "$runs"
  [ "${passes[$key]}" -eq "$runs" ] || failed=1
done
echo "logs: $logs"
exit "$failed"

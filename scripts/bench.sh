#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every performance figure of the game, one line each, as
#   figure: value unit (target: value unit)
# from an optimised build, on an X server of its own with the dummy sound
# device, and the saving steps on a file system whose flushes take 200 ms
# (FUSE; skipped with a line where there is none). A run takes about three
# minutes.
#
# Usage: scripts/bench.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  the build folder, configured Release here (default: build-bench)
#   RUNS       how often every bench runs; above 1 the median of each figure
#              is printed (default: 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
runs=${2:-1}

if [ -z "${KIBBO_BENCH_XVFB:-}" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target benchmarks -- -j2 >/dev/null
  # Our own X server, so that the bench never clicks on a developer's screen.
  export KIBBO_BENCH_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$runs"
fi

export KIBBO_DIST=$build/dist
out=$(mktemp -d)
trap 'mountpoint -q "$out/slow" 2>/dev/null && fusermount -u "$out/slow"; rm -rf "$out"' EXIT

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo) memory," \
  "load $(cut -d' ' -f1 /proc/loadavg) at the start"

# The saving steps with the data folder on a file system whose every flush
# to the disk takes 200 ms: a FUSE pass-through of a folder of our own.
store_bench() {
  if [ ! -e /dev/fuse ] || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
    echo "store bench: skipped, no /dev/fuse or no python3-fusepy for the slow-flush file system"
    return 0
  fi
  local under=$out/slow-under mount=$out/slow
  mkdir -p "$under" "$mount"
  /usr/bin/python3 "$root/benchmarks/slow_flush_fs.py" "$under" "$mount" 200 2>/dev/null &
  local fs=$!
  for _ in $(seq 100); do
    mountpoint -q "$mount" && break
    sleep 0.1
  done
  if ! mountpoint -q "$mount"; then
    echo "store bench: skipped, the slow-flush file system could not be mounted"
    kill "$fs" 2>/dev/null || true
    return 0
  fi
  "$build/benchmarks/store_bench" "$mount" 2>/dev/null || true
  fusermount -u "$mount" 2>/dev/null || fusermount3 -u "$mount" 2>/dev/null || true
  wait "$fs" 2>/dev/null || true
}

for run in $(seq "$runs"); do
  [ "$runs" -gt 1 ] && echo "run $run of $runs" >&2
  for bench in guide window music program; do
    if [ "$runs" -gt 1 ]; then
      "$build/benchmarks/${bench}_bench" 2>/dev/null >>"$out/run$run"
    else
      "$build/benchmarks/${bench}_bench" 2>/dev/null | tee -a "$out/run$run"
    fi
  done
  if [ "$runs" -gt 1 ]; then
    store_bench >>"$out/run$run"
  else
    store_bench | tee -a "$out/run$run"
  fi
done
[ "$runs" -gt 1 ] || exit 0

# The median of each figure's first number over the runs, with its unit
# and target; the other numbers of a line differ from run to run.
echo "medians of $runs runs:"
awk '
  match($0, /: -?[0-9.]+/) {
    label = substr($0, 1, RSTART - 1)
    value = substr($0, RSTART + 2, RLENGTH - 2) + 0
    if (!(label in count)) {
      order[++labels] = label
      tail = substr($0, RSTART + RLENGTH)
      rest[label] = match(tail, /^ [a-zA-Z%]+/) ? substr(tail, 1, RLENGTH) : ""
      if (match($0, / \(target: [^)]*\)/)) rest[label] = rest[label] substr($0, RSTART, RLENGTH)
    }
    values[label, ++count[label]] = value
  }
  END {
    for (i = 1; i <= labels; ++i) {
      label = order[i]; n = count[label]
      for (a = 1; a <= n; ++a) sorted[a] = values[label, a]
      for (a = 2; a <= n; ++a) for (b = a; b > 1 && sorted[b - 1] > sorted[b]; --b) {
        t = sorted[b]; sorted[b] = sorted[b - 1]; sorted[b - 1] = t
      }
      median = n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
      printf "%s: %g%s\n", label, median, rest[label]
    }
  }' $(for run in $(seq "$runs"); do echo "$out/run$run"; done)

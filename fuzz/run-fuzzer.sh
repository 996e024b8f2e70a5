#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzzer on a copy of its corpus, so the inputs it finds never land
# in the repository; a crashing input is kept in $FUZZ_ARTIFACTS (the current
# directory by default) for a regression test.
# Usage: run-fuzzer.sh FUZZER CORPUS-DIR [libFuzzer options...]
set -euo pipefail
fuzzer=$1
corpus=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$corpus"/. "$work"/
artifacts=${FUZZ_ARTIFACTS:-$PWD}
mkdir -p "$artifacts"
"$fuzzer" -artifact_prefix="$artifacts/$(basename "$fuzzer")-" -print_final_stats=1 "$@" "$work"

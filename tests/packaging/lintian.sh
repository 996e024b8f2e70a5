#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build folder into a scratch folder and runs
# lintian on it: no tag at all may remain, not even an informational,
# pedantic or experimental one. Exits 77 (skipped) where
# lintian is not installed.
#   lintian.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
command -v lintian >/dev/null || { echo "lintian is not installed; skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export LC_ALL=C.UTF-8

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/kibbo_*.deb)
echo "lintian $(basename "$deb"):"
tags=$(lintian --fail-on error,warning,info,pedantic,experimental -I -E --pedantic "$deb") \
  || { echo "$tags"; exit 1; }
[ -z "$tags" ] || { echo "$tags"; exit 1; }
echo "no tag"

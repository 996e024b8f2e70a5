#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file says its licence in its first lines, so that a file
# copied out of the project still carries it.
set -euo pipefail
root=$1
missing=$(cd "$root" && find src tests tools fuzz benchmarks packaging scripts .ci \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name CMakeLists.txt -o -name '*.6' -o -name run \) \
  -type f -print | sort | while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
for f in CMakeLists.txt Makefile; do
  head -n 3 "$root/$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || missing="$missing $f"
done
if [ -n "${missing// /}" ]; then
  echo "no SPDX licence line in:"; echo "$missing"; exit 1
fi
echo "every source file names its licence"

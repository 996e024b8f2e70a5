#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A really full disk, from outside: kibbo-tool registering a score on a
# small file system with no room left must fail with status 1 and a line on
# stderr, and leave the ranking byte for byte. Mounting needs root; anyone
# else is skipped (the file size limit case in app_test runs for everyone).
set -euo pipefail
tool=$1
if [ "$(id -u)" -ne 0 ]; then echo "not root: no small file system to fill"; exit 77; fi
work=$(mktemp -d)
disk=$work/disk
mkdir -p "$disk"
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  rm -rf "$work"; echo "cannot mount a tmpfs here"; exit 77
fi
trap 'umount "$disk"; rm -rf "$work"' EXIT

for s in 900 800 700 600 500 400 300; do "$tool" ranking add "$s" "p$s" --data "$disk" >/dev/null; done
cp "$disk/score.kib" "$work/before"
# Fill every block that is left.
dd if=/dev/zero of="$disk/filler" bs=1k 2>/dev/null || true
status=0
"$tool" ranking add 850 Full --data "$disk" >"$work/out" 2>"$work/err" || status=$?
if [ "$status" -ne 1 ]; then echo "FAIL: exit status $status on a full disk, not 1"; cat "$work/err"; exit 1; fi
grep -q "cannot write .*(No space left on device)" "$work/err" || { echo "FAIL: no message naming the full disk on stderr"; cat "$work/err"; exit 1; }
cmp "$disk/score.kib" "$work/before" || { echo "FAIL: the ranking changed on a full disk"; exit 1; }
if ls "$disk" | grep -q saving; then echo "FAIL: a partial file was left behind"; ls -la "$disk"; exit 1; fi
# With room again the same registration is saved.
rm "$disk/filler"
"$tool" ranking add 850 Full --data "$disk" >/dev/null
"$tool" ranking --data "$disk" | grep -q $'^2\t850\tFull$' || { echo "FAIL: not saved once there was room"; exit 1; }
echo "full disk: refused with status 1, ranking kept; saved once there was room"

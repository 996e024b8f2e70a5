#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the README on a brand-new minimal Debian system, as a new user would:
# debootstraps RELEASE (minbase) into a scratch folder, copies the committed
# tree into it, and there, as root with no LANG, runs the set-up, the whole
# test suite, the package build, its install through apt, lintian on it and a
# short start of the installed game under Xvfb. With --player it runs only
# what a player needs: `make run`'s set-up and build, then `make run` itself
# under Xvfb. Each step prints its status and wall time; the last lines sum
# them up with what each set-up installed, and the exit status is non-zero
# when any step failed. The steps' own output goes to a log that is kept.
#   fresh-system.sh [--keep] [--player] bookworm|trixie
# --keep leaves the system in place (its folder is printed) to look into with
# `chroot DIR`; its mounts are undone all the same.
# Needs root and Debian's mirror; installs debootstrap when it is missing.
set -uo pipefail

usage() { echo "usage: $0 [--keep] [--player] bookworm|trixie" >&2; exit 2; }
keep=0
player=0
release=
for arg in "$@"; do
  case $arg in
    --keep) keep=1 ;;
    --player) player=1 ;;
    bookworm|trixie) release=$arg ;;
    *) usage ;;
  esac
done
[ -n "$release" ] || usage
[ "$(id -u)" -eq 0 ] || { echo "$0 must run as root (debootstrap, chroot, mounts)" >&2; exit 2; }
here=$(cd "$(dirname "$0")/.." && pwd)
mirror=http://deb.debian.org/debian
security=http://deb.debian.org/debian-security

root=$(mktemp -d "${TMPDIR:-/var/tmp}/kibbo-$release.XXXXXX")
# It becomes the system's /, which every user must be able to enter (the
# Wayland tests run their compositor as nobody); mktemp makes it root's only.
chmod 755 "$root"
log=$root.log
: >"$log"

# Every mount below the system, the deepest first: the ones made here and any
# a test left behind.
unmount_all() {
  local m
  for m in $(awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
cleanup() {
  unmount_all
  if [ "$keep" -eq 1 ]; then
    echo "kept the system in $root (chroot $root bash)"
  else
    rm -rf --one-file-system "$root"
  fi
  echo "log: $log"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

results=()
failed=0
# step NAME COMMAND...: runs the command with its output in the log, prints
# its status and wall time. A failed step's last lines are shown as well.
step() {
  local name=$1 start status elapsed
  shift
  echo "== $name" | tee -a "$log"
  start=$(date +%s)
  if "$@" >>"$log" 2>&1; then status=passed; else status=FAILED; failed=1; fi
  elapsed=$(( $(date +%s) - start ))
  if [ "$status" = FAILED ]; then
    echo "-- last lines of the log:"
    tail -n 40 "$log" | sed 's/^/   /'
  fi
  local line
  line=$(printf '%-40s %-7s %4d min %02d s' "$name" "$status" $((elapsed / 60)) $((elapsed % 60)))
  echo "$line"
  results+=("$line")
}

# in_system COMMAND: a login-less root shell in the tree, with no locale and
# nothing of this machine's environment but a path.
in_system() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM=dumb /bin/bash -c "cd /root/kibbo && $1"
}

bootstrap() {
  if ! command -v debootstrap >/dev/null; then
    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap || return 1
  fi
  debootstrap --variant=minbase "$release" "$root" "$mirror" || return 1
  cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # Nothing installed may start a service on this machine.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  # What the whole-program tests need: processes, devices, shared memory, a
  # world-writable /tmp (for the runtime folder of a compositor run as an
  # unprivileged user) and /run/user for the same.
  mount -t proc proc "$root/proc" &&
    mount -t sysfs sysfs "$root/sys" &&
    mount --bind /dev "$root/dev" &&
    mount --bind /dev/pts "$root/dev/pts" &&
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm" &&
    mount -t tmpfs -o mode=1777 tmp "$root/tmp" &&
    mkdir -p -m 755 "$root/run/user" || return 1
  sed -n 's/^VERSION=//p' "$root/etc/os-release"
}

copy_tree() {
  mkdir -p "$root/root/kibbo" &&
    git -C "$here" archive HEAD | tar -x -C "$root/root/kibbo" &&
    git -C "$here" log -1 --format='copied commit %h %s'
}

# What the set-up brings: packages, download and disk. apt keeps the
# downloaded packages in its cache, which tells the download.
# Each set-up's figures are counted from the fresh system, so the test
# set-up's include the game's own.
packages_now() { chroot "$root" dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed'; }
disk_now() { du -sxm --exclude=./var/cache/apt/archives --exclude=./root/kibbo "$root" | cut -f1; }
fresh_packages=
fresh_disk=
sizes=()
setup() {
  [ -n "$fresh_packages" ] || { fresh_packages=$(packages_now); fresh_disk=$(disk_now); }
  in_system "bash scripts/install-deps.sh $*" || return 1
  sizes+=("set-up for $*: $(( $(packages_now) - fresh_packages )) packages, $(du -sm "$root/var/cache/apt/archives" | cut -f1) MB downloaded, $(( $(disk_now) - fresh_disk )) MB on disk")
  echo "${sizes[-1]}"
}

# lintian as the packaging_lintian test runs it, with every tag shown: clean
# means it printed nothing.
lint() {
  in_system 'out=$(lintian --fail-on error,warning,info,pedantic,experimental -I -E --pedantic build/kibbo_*.deb) || { echo "$out"; exit 1; }
    echo "$out"; [ -z "$out" ]'
}

# A game started by COMMAND (from the path a desktop session has) on a
# virtual display: it passes when its window appears and it is still running
# without having written a line of error when it is closed.
start_game() {
  # In a session of its own, so that it ends with every process it started
  # (make's game) and nothing else: the system shares this machine's
  # processes, whose games a pkill would end too.
  printf 'PATH=$PATH:/usr/games\nsetsid %s 2>/tmp/kibbo.err &\n' "$1" >"$root/tmp/start-game.sh"
  cat >>"$root/tmp/start-game.sh" <<'EOF'
pid=$!
window=
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --class kibbo 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
alive=0
kill -0 "$pid" 2>/dev/null && alive=1
[ -n "$window" ] && echo "window $window: $(xdotool getwindowname "$window"), $(xwininfo -id "$window" | sed -n 's/.*-geometry //p')"
[ "$alive" -eq 1 ] && echo "still running; closed"
kill -- -"$pid" 2>/dev/null
wait "$pid"
cat /tmp/kibbo.err
# make's own line about the game it started being ended here is no fault.
[ -n "$window" ] && [ "$alive" -eq 1 ] && ! grep -v '^make: \*\*\*' /tmp/kibbo.err | grep -qiE 'error|fail|cannot|could not'
EOF
  in_system 'xvfb-run -a -s "-screen 0 1024x768x24" bash /tmp/start-game.sh'
}

# The virtual display and what looks at it, apart from a player's set-up.
display_tools() {
  in_system 'DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xvfb xauth xdotool x11-utils'
}

echo "fresh $release system in $root; log in $log"
start_all=$(date +%s)
step "debootstrap $release (minbase)" bootstrap
[ "$failed" -eq 0 ] && step "copy the committed tree" copy_tree
if [ "$failed" -eq 0 ] && [ "$player" -eq 1 ]; then
  step "set-up for make run" setup run
  step "make build (make run's build)" in_system 'make build'
  step "xvfb and xdotool, to watch the game" display_tools
  step "make run under Xvfb" start_game 'make run'
elif [ "$failed" -eq 0 ]; then
  step "set-up for make run" setup run
  step "set-up for make test" setup run test
  step "make test" in_system 'make test'
  step "make deb" in_system 'make deb'
  step "apt-get install ./build/kibbo_*.deb" in_system 'DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/kibbo_*.deb'
  step "lintian (every tag, pedantic)" lint
  step "installed game under Xvfb" start_game kibbo
fi
total=$(( $(date +%s) - start_all ))

echo
echo "Debian $release, $(sed -n 's/^VERSION=//p' "$root/etc/os-release" 2>/dev/null):"
printf '%s\n' "${results[@]}"
[ ${#sizes[@]} -eq 0 ] || printf '%s\n' "${sizes[@]}"
grep -E '^suite (normal|asan|fuzz):' "$log" || true
printf 'total %d min %02d s: %s\n' $((total / 60)) $((total % 60)) "$([ "$failed" -eq 0 ] && echo "every step passed" || echo "a step FAILED")"
exit "$failed"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kibbo needs for what it is asked to do:
#   install-deps.sh [run] [test] [bench] [deb]
# run (the default) builds and plays the game; test adds the test suite's
# tools (the sanitizer and fuzz builds, the virtual displays, the package
# checks), bench the benchmarks', deb the package build's. The names are
# those of Debian 12 and 13 alike.
# Idempotent: does nothing when every package is already present. Needs only
# bash on a bare Debian 12 or 13: as root it installs at once, with sudo it asks
# sudo, and otherwise it prints the command an administrator must run.
set -euo pipefail

# Building the game, its pictures and sounds, and playing it on X11 or
# Wayland with its fonts and music.
run=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-wayland
  libsdl2-mixer-dev libasound2-dev libfluidsynth-dev timgm6mb-soundfont
  libgif-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
)
# Making the Debian package: its libraries' dependencies, and the metainfo
# in the form of the release's AppStream.
deb=(dpkg-dev file binutils appstream)
test=(
  "${deb[@]}"
  libgtest-dev libgmock-dev
  # Rebuilds from a cache, for the three builds.
  ccache
  # The whole-program tests: a virtual X display and a headless Wayland
  # desktop, driven and photographed.
  xvfb xauth xdotool x11-utils imagemagick
  sway grim wtype libwayland-dev wayland-protocols jq
  # Their kana typed by physical keys: XTEST on X11, and a Japanese keymap
  # compiled for a virtual keyboard on Wayland.
  libxtst-dev libx11-dev libxkbcommon-dev xkb-data
  # Which thread of the game made which system call.
  strace
  # The package checks.
  desktop-file-utils lintian
  # The release's own clang, whatever its version, for the sanitizer and
  # fuzz builds.
  clang libclang-rt-dev
)
bench=(
  libbenchmark-dev libxcb1-dev xvfb xauth
  # The slow-flush file system: a FUSE pass-through in Python.
  fuse3 python3-fusepy
)

purposes=("$@")
[ ${#purposes[@]} -gt 0 ] || purposes=(run)
packages=("${run[@]}")
for purpose in "${purposes[@]}"; do
  case $purpose in
    run) ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    deb) packages+=("${deb[@]}") ;;
    *) echo "usage: $0 [run] [test] [bench] [deb]" >&2; exit 2 ;;
  esac
done

# A name may be a real package on one release and one that another package
# provides on the next (libqt6opengl6-dev is qt6-base-dev's on Debian 13):
# provided by an installed package, it is there.
provided=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
  sed -n 's/^ii *//p' | tr ',' '\n' | sed 's/(.*//' | tr -d ' ' | tr '\n' ' ') "
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' &&
    [[ $provided != *" $p "* ]]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# The package lists are refreshed first: on a fresh machine they are empty,
# and stale ones name files the mirror no longer has.
install_cmd="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Kibbo needs Debian packages that only an administrator can install. Run as root:" >&2
    echo "  su -c '$install_cmd'" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive sh -c "$install_cmd"; then
  echo "Installing failed. An administrator can run as root:" >&2
  echo "  su -c '$install_cmd'" >&2
  exit 1
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kibbo needs to build, test, run and package.
# Idempotent: does nothing when every package is already present. Needs only
# bash on a bare Debian 12 or 13: as root it installs at once, with sudo it asks
# sudo, and otherwise it prints the command an administrator must run.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxcb1-dev
  libsdl2-mixer-dev libasound2-dev libfluidsynth-dev timgm6mb-soundfont
  libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth xdotool x11-utils imagemagick
  desktop-file-utils appstream dpkg-dev file binutils lintian
  qt6-wayland sway grim wtype libwayland-dev wayland-protocols jq
  # The release's own clang, whatever its version, for the sanitizer and
  # fuzz builds.
  clang libclang-rt-dev
  # The benchmark's slow-flush file system: a FUSE pass-through in Python.
  fuse3 python3-fusepy
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
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

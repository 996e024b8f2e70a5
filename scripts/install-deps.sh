#!/usr/bin/env bash
# Installs the Debian packages Kibbo needs to build, test and run.
# Idempotent: does nothing when every package is already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth xdotool x11-utils imagemagick
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

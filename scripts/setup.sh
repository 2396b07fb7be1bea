#!/usr/bin/env bash
# Installs every Debian package Brontel needs to build, test and run; skips what is present.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-arphic-uming fonts-wqy-microhei
  xvfb xauth xdotool x11-utils imagemagick
  dpkg-dev desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

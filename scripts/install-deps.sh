#!/usr/bin/env bash
# Installs the Debian packages Korvel needs to build, run and test, and
# nothing else. Packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgl1-mesa-dev libgl1-mesa-dri libglu1-mesa-dev freeglut3-dev
  libx11-dev libdevil-dev libsdl2-mixer-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
  libgtest-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils xdotool imagemagick
  gettext
  dpkg-dev desktop-file-utils lintian appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

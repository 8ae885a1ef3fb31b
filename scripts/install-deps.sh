#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; only
# what is missing, so that a prepared machine starts at once.
set -euo pipefail
packages=(
  cmake ninja-build clang libclang-rt-14-dev googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb x11-apps x11-utils imagemagick
  fonts-wine fonts-ipafont-gothic
  pff-tools pst-utils python3 python3-xlrd
  nlohmann-json3-dev xdotool
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping what is
# already there, so that a second run costs well under a second.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-image-dev libfreetype-dev
  libgtest-dev googletest
  xvfb xdotool wmctrl openbox strace x11-utils x11-xserver-utils
  libx11-dev libxdamage-dev libxtst-dev valgrind
  xfonts-terminus fonts-league-spartan fonts-liberation2 fonts-blankenburg
  # the artwork generator (a build tool; the program links none of it)
  libcairo2-dev libjpeg62-turbo-dev libgif-dev fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null

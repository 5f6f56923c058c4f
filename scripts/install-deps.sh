#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping what is
# already there, so that a second run costs well under a second.
#   install-deps.sh            what the build, the tests and the package need
#   install-deps.sh --format   clang-format, for `make format` only
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-image-dev libfreetype-dev
  libgtest-dev googletest
  xvfb xdotool wmctrl openbox strace x11-utils x11-xserver-utils
  libx11-dev libxext-dev libxdamage-dev libxtst-dev valgrind
  xfonts-terminus fonts-league-spartan fonts-liberation2 fonts-blankenburg
  # the artwork generator (a build tool; the program links none of it)
  libcairo2-dev libjpeg62-turbo-dev libgif-dev fonts-dejavu-core fonts-dejavu-extra
  # the Debian package (dpkg-shlibdeps finds its runtime dependencies; CPack
  # runs file on the program first) and the checks of the installed desktop
  # entry and metainfo
  dpkg-dev file desktop-file-utils appstream
)
if [[ ${1:-} == --format ]]; then
  packages=(clang-format)
elif [[ $# -gt 0 ]]; then
  echo "usage: $0 [--format]" >&2
  exit 2
fi

# One query for the whole list: a package dpkg has never heard of is missing too.
missing=()
status=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
for p in "${packages[@]}"; do
  grep -qx "$p installed" <<<"$status" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing Debian packages and no sudo to install them: as root, run 'apt-get update && apt-get install --no-install-recommends ${missing[*]}', then try again." >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
# fontconfig's trigger does not always run for fonts set up after fontconfig
# in the same run: the window manager of the tests then scans those fonts at
# its first start, longer than the tests wait for a window.
if command -v fc-cache >/dev/null; then "${sudo[@]}" fc-cache; fi

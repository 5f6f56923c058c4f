#!/usr/bin/env bash
# The Debian package: built with CPack, unpacked into a scratch root (the real
# system is left alone), and the program from there run to the main menu on a
# private Xvfb and left by its exit entry with status 0.
#   package.sh <build-dir> <app-id> <version>
set -euo pipefail
build=$1
id=$2
version=$3
# shellcheck source=../real_window/xvfb.sh
source "$(dirname "$0")/../real_window/xvfb.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/out/*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || fail "cpack made ${debs[*]}"
deb=${debs[0]}
[[ $(basename "$deb") == "grimveil-guide_${version}_$(dpkg --print-architecture).deb" ]] \
  || fail "package file named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == grimveil-guide ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
depends=$(field Depends)
for lib in libsdl2-2.0-0 libsdl2-image-2.0-0 libfreetype6 libx11-6; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
pass "$(basename "$deb"): Depends: $depends"

dpkg -x "$deb" "$work/root"
root=$work/root
for f in usr/bin/grimveil-guide usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [[ -f $root/$f ]] || fail "the package has no /$f"
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "metainfo release is not $version"
pass "the package holds the program, its desktop entry, icons and metainfo ($version)"

# Its pictures and fonts are inside it, so it runs from the scratch root as is.
start_xvfb
"$root/usr/bin/grimveil-guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 has_window "Interactive Grimveil v2" || fail "no main menu: $(cat "$work/guide.err")"
xdotool mousemove 68 583 click 1
ends_with_status_0 "$app_pid"
pass "the installed program reaches the main menu and its exit entry ends it with status 0"

#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the program, the desktop entry, the
# icon at each size of the hicolor theme and the metainfo, each in its place
# and passing the freedesktop and AppStream validators.
#   installed_files.sh <build-dir> <app-id>
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || fail "cmake --install: $(cat "$prefix.log")"
rm -f "$prefix.log"

[[ -x $prefix/bin/grimveil-guide ]] || fail "no program in bin/"
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry $desktop"
[[ -f $metainfo ]] || fail "no metainfo $metainfo"

# Every size, a PNG of that many pixels square, and no other file under icons/.
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ -f $icon ]] || fail "no ${size} px icon"
  # The PNG signature, then IHDR's width and height as big-endian words.
  read -r sig w h <<<"$(od -An -tx1 -N24 -v "$icon" | tr -d ' \n' |
    sed -E 's/^(.{16}).{16}(.{8})(.{8})$/\1 \2 \3/')"
  [[ $sig == 89504e470d0a1a0a ]] || fail "$icon is not a PNG"
  ((16#$w == size && 16#$h == size)) || fail "$icon is $((16#$w)) x $((16#$h)), not $size x $size"
done
found=$(find "$prefix/share/icons" -type f | wc -l)
((found == ${#sizes[@]})) || fail "$found icon files, expected ${#sizes[@]}: $(find "$prefix/share/icons" -type f)"

# The entry starts the installed program by the name on PATH and names the
# installed icon; the metainfo's launchable is that entry.
grep -qx 'Exec=grimveil-guide' "$desktop" || fail "desktop entry: Exec is $(grep '^Exec=' "$desktop")"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry: Icon is $(grep '^Icon=' "$desktop")"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo: no launchable $id.desktop"

out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[[ -z $out ]] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
echo "ok: program, desktop entry, ${#sizes[@]} icons and metainfo installed and valid"

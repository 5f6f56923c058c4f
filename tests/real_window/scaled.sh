#!/usr/bin/env bash
# The built program on a desktop that scales by 2 (Xft.dpi 192): every window
# twice its size and centred, every pixel an exact 2 x 2 block of what the
# program drew, input at the scaled places acting as at factor 1; and at
# 96 dpi, or where GDK_SCALE says 1, nothing scaled.
#   scaled.sh <grimveil-guide> <xpixel>
set -euo pipefail
guide=$1
xpixel=$2
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"

splash_title="Orvelle Created"
main_title="Interactive Grimveil v2"
start_guide() {
  "$guide" 2>"$work/guide.err" &
  app_pid=$!
  pids+=("$app_pid")
}
stop_guide() { kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; }

# 1. The main menu at its natural size, for reference.
start_xvfb 1024x768
start_guide
poll 20 has_window "$main_title" || fail "natural: no main menu"
sleep 0.5
"$xpixel" capture 0 0 1024 768 "$work/natural.raw" || fail "natural: capture failed"
stop_guide

# 2. Xft.dpi 192 on a display with room for the artwork twice over.
start_xvfb 2048x1536
echo "Xft.dpi: 192" | xrdb -nocpp -merge
start_guide
poll 10 has_window "$splash_title" || fail "no splash: $(program_report "$app_pid")"
splash=$(window_named "$splash_title")
[[ $(geometry "$splash") == "440 504 1168 528" ]] || fail "splash geometry $(geometry "$splash")"
pass "splash twice its size, centred"
sleep 0.3
"$xpixel" capture 440 504 1168 528 "$work/splash.raw" || fail "splash capture failed"
"$xpixel" blocks "$work/splash.raw" 1168 528 2 || fail "the splash is not made of 2 x 2 blocks"
pass "splash pixels are 2 x 2 blocks"

poll 20 has_window "$main_title" || fail "no main menu: $(program_report "$app_pid")"
[[ $(geometry "$(window_named "$main_title")") == "0 0 2048 1536" ]] \
  || fail "main menu geometry $(geometry "$(window_named "$main_title")")"
sleep 0.5
"$xpixel" capture 0 0 2048 1536 "$work/scaled.raw" || fail "main menu capture failed"
"$xpixel" shrink "$work/scaled.raw" 2048 1536 2 "$work/shrunk.raw" || fail "the main menu is not made of 2 x 2 blocks"
cmp -s "$work/shrunk.raw" "$work/natural.raw" || fail "the main menu's blocks are not its natural pixels"
pass "main menu covers the display, each of its natural pixels a 2 x 2 block"

# The fighters entry, the notice, the grid; hover and click on scaled tiles.
xdotool mousemove $((2 * 78)) $((2 * 238)) click 1
grid_title='\[ Grimveil Interactive: Selection Screen \] - \[ version 1\.0\.0 \]'
poll 10 has_window "$grid_title" || fail "no selection grid after the scaled click: $(program_report "$app_pid")"
grid=$(window_named "$grid_title")
[[ $(geometry "$grid") == "623 404 802 728" ]] || fail "grid geometry $(geometry "$grid")"
read -r gx gy _ < <(geometry "$grid")
# Omberl's cell: natural offsets from the grid's corner, doubled.
xdotool mousemove $((gx + 2 * 60)) $((gy + 2 * 55))
poll 5 bash -c "[[ \$('$xpixel' $((gx + 2 * 27)) $((gy + 2 * 25))) == '255 0 0' && \$('$xpixel' $((gx + 2 * 29 + 1)) $((gy + 2 * 27 + 1))) == '127 0 0' ]]" \
  || fail "no red frame at Omberl's scaled cell"
pass "hover on a scaled tile shows its frame"
xdotool click 1
page_title='\[ Interactive Grimveil \] - \[ Omberl \] - \[ version 1\.0\.0 \]'
poll 5 has_window "$page_title" || fail "no page after a click on the scaled portrait"
page=$(window_named "$page_title")
[[ $(geometry "$page") == "343 404 1362 728" ]] || fail "page geometry $(geometry "$page")"
xdotool mousemove $((343 + 2 * 669)) $((404 + 2 * 8)) click 1
poll 5 bash -c "! xdotool search --onlyvisible --name '$page_title'" || fail "the scaled close mark did not close the page"
pass "a click on a scaled portrait opens its page, twice its size and centred; its close mark closes it"

xdotool mousemove $((2 * 68)) $((2 * 583)) click 1
ends_with_status_0 "$app_pid"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"
pass "the scaled exit entry ends the program"

# 3. Nothing scales at 96 dpi, nor where GDK_SCALE says 1 over 192 dpi.
for setting in "dpi96" "gdk1"; do
  if [[ $setting == dpi96 ]]; then echo "Xft.dpi: 96" | xrdb -nocpp -merge; fi
  if [[ $setting == gdk1 ]]; then echo "Xft.dpi: 192" | xrdb -nocpp -merge; export GDK_SCALE=1; fi
  start_guide
  poll 10 has_window "$splash_title" || fail "$setting: no splash"
  [[ $(geometry "$(window_named "$splash_title")") == "732 636 584 264" ]] \
    || fail "$setting: splash geometry $(geometry "$(window_named "$splash_title")")"
  stop_guide
  poll 5 bash -c "! xdotool search --name '^$splash_title\$'" || true
done
unset GDK_SCALE
pass "at 96 dpi, and with GDK_SCALE=1, the splash keeps its natural size"

#!/usr/bin/env bash
# The built program under Xvfb with a window manager: the main menu is
# minimised through the window system and restored from it maximised again,
# and the window system's close request unloads a screen.
#   window_manager.sh <grimveil-guide>
set -euo pipefail
guide=$1
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb
HOME=$work openbox --sm-disable >"$work/wm.log" 2>&1 &
pids+=($!)
poll 10 wmctrl -m || fail "the window manager did not start"

main_title="Interactive Grimveil v2"
visible() { has_window "$1"; }
hidden() { ! visible "$1"; }
title_geometry() { geometry "$(window_named "$1")"; }
# What there is instead, for a failure seen only on a loaded machine.
no_main_menu() {
  fail "no main menu ($1); windows: $(wmctrl -l 2>&1 | tr '\n' ';') process: $(kill -0 "$app_pid" 2>&1 && echo running) stderr: $(cat "$work/guide.err") $(program_report "$app_pid")"
}

# 1. Minimise through the main menu's entry, restore from the window system.
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 visible "$main_title" || no_main_menu 1
[[ $(title_geometry "$main_title") == "0 0 1024 768" ]] || fail "main menu geometry $(title_geometry "$main_title")"
# Every frame the window manager maps from now on shows on the root.
xev -root -event substructure >"$work/root.events" 2>&1 &
xev_pid=$!
pids+=("$xev_pid")
sleep 0.3
xdotool mousemove 68 560 click 1
poll 5 hidden "$main_title" || fail "the main menu was not minimised"
pass "minimise entry minimises the main menu"
sleep 2 # the selection screen comes up minimised and the notice goes
kill "$xev_pid"
grid_id=$(xdotool search --name '^\[ Grimveil Interactive: Selection Screen \]' | head -n1)
[[ -n $grid_id ]] || fail "no selection screen after the walk"
xprop -id "$grid_id" WM_STATE | grep -q "window state: Iconic" || fail "the selection screen is not iconic: $(xprop -id "$grid_id" WM_STATE)"
maps=$(grep -c "^MapNotify" "$work/root.events" || true)
((maps == 0)) || fail "$maps windows were mapped during the walk: the selection screen flashed up before it was minimised"
pass "the selection screen comes up minimised without being mapped first"
wmctrl -a "$main_title"
poll 5 visible "$main_title" || fail "the main menu was not restored"
poll 5 bash -c "[[ \"\$(xdotool getwindowgeometry --shell \$(xdotool search --onlyvisible --name '^$main_title\$' | head -n1) | tr '\n' ' ')\" == *'X=0 Y=0 WIDTH=1024 HEIGHT=768'* ]]" \
  || fail "restored main menu geometry $(title_geometry "$main_title")"
pass "restored from the window system, maximised again"
xdotool mousemove 68 583 click 1
ends_with_status_0 "$app_pid"
pass "exit after the minimise walk ends the program"

# 2. The window system's close request on the only screen ends the program.
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 visible "$main_title" || no_main_menu 2
wmctrl -c "$main_title"
ends_with_status_0 "$app_pid"
pass "a close request unloads the screen; with none left the program ends"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"

# 3. Closing a page over the grid, by its close mark or by a close request,
#    leaves the grid above the main menu and focused: the window manager
#    would otherwise lift the focused full-screen main menu over it.
stacking() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
    xdotool getwindowname "$w"
  done | tr '\n' '|'
}
grid_title='\[ Grimveil Interactive: Selection Screen \] - \[ version 1\.0\.0 \]'
grid_name='[ Grimveil Interactive: Selection Screen ] - [ version 1.0.0 ]'
page_title='\[ Interactive Grimveil \] - \[ Omberl \] - \[ version 1\.0\.0 \]'
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 visible "$main_title" || no_main_menu 3
xdotool mousemove 78 238 click 1
poll 10 visible "$grid_title" || fail "no selection grid"
poll 5 hidden 'Loading\.\.\.Please Wait' || fail "the notice stayed"
for how in "close mark" "close request"; do
  xdotool mousemove 371 257 sleep 0.2 click 1
  poll 5 visible "$page_title" || fail "no page ($how)"
  if [[ $how == "close mark" ]]; then
    xdotool mousemove $((171 + 669)) $((202 + 8)) click 1
  else
    wmctrl -c "[ Interactive Grimveil ] - [ Omberl ] - [ version 1.0.0 ]"
  fi
  poll 5 hidden "$page_title" || fail "the page did not close ($how)"
  sleep 0.3 # let the window manager settle focus
  [[ $(stacking) == "$main_title|$grid_name|" ]] || fail "stacking after the $how: $(stacking)"
  [[ $(xdotool getactivewindow getwindowname) == "$grid_name" ]] \
    || fail "active after the $how: $(xdotool getactivewindow getwindowname)"
done
pass "closing a page leaves the grid above the main menu, and focused"
# A close request on the main menu, the grid still open, ends the program.
wmctrl -c "$main_title"
ends_with_status_0 "$app_pid"
pass "a close request on the main menu ends the program with the grid open"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"

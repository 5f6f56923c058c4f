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

# 1. Minimise through the main menu's entry, restore from the window system.
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 visible "$main_title" || fail "no main menu"
[[ $(title_geometry "$main_title") == "0 0 1024 768" ]] || fail "main menu geometry $(title_geometry "$main_title")"
xdotool mousemove 68 560 click 1
poll 5 hidden "$main_title" || fail "the main menu was not minimised"
pass "minimise entry minimises the main menu"
sleep 2 # the selection screen comes up minimised and the notice goes
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
poll 20 visible "$main_title" || fail "no main menu"
wmctrl -c "$main_title"
ends_with_status_0 "$app_pid"
pass "a close request unloads the screen; with none left the program ends"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"

#!/usr/bin/env bash
# Windows destroyed by another client (xdotool windowclose) are unloaded like
# windows closed by request: the other screens keep working, nothing is
# reported, and destroying the last one ends the program with status 0.
#   outside_destroy.sh <grimveil-guide>
set -euo pipefail
guide=$1
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb

main_title="Interactive Grimveil v2"
grid_title='\[ Grimveil Interactive: Selection Screen \] - \[ version 1\.0\.0 \]'
omberl_title='\[ Interactive Grimveil \] - \[ Omberl \] - \[ version 1\.0\.0 \]'
gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

for round in 1 2 3; do
  "$guide" 2>"$work/guide.err" &
  app_pid=$!
  pids+=("$app_pid")
  poll 20 has_window "$main_title" || fail "round $round: no main menu (running: $(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no); $(cat "$work/guide.err"); windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr "\n" ,))"

  # The grid, destroyed from outside; the main menu still answers.
  xdotool mousemove 78 238 click 1
  poll 10 has_window "$grid_title" || fail "round $round: no selection grid"
  xdotool windowclose "$(window_named "$grid_title")"
  poll 10 gone "$grid_title" || fail "round $round: grid still there"
  xdotool mousemove 78 238 click 1
  poll 10 has_window "$grid_title" || fail "round $round: the main menu no longer answers"

  # A fighter page from the grid, destroyed; the grid still opens pages.
  xdotool mousemove 371 257 sleep 0.2 click 1
  poll 10 has_window "$omberl_title" || fail "round $round: no page"
  xdotool windowclose "$(window_named "$omberl_title")"
  poll 10 gone "$omberl_title" || fail "round $round: page still there"
  xdotool mousemove 380 260 sleep 0.2 click 1
  poll 10 has_window "$omberl_title" || fail "round $round: the grid stopped answering after a page went"

  # Then the main menu itself, with the grid and a page still open: the end.
  xdotool windowclose "$(window_named "$main_title")"
  ends_with_status_0 "$app_pid"
  [[ ! -s $work/guide.err ]] || fail "round $round: the program reported: $(cat "$work/guide.err")"
  pass "round $round: grid, a page and the main menu destroyed from outside; status 0, nothing reported"
done

# The splash, the only screen at first, destroyed from outside: the end.
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 10 has_window "Orvelle Created" || fail "no splash"
xdotool windowclose "$(window_named "Orvelle Created")"
ends_with_status_0 "$app_pid"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"
pass "splash destroyed from outside: status 0"

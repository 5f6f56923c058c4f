#!/usr/bin/env bash
# The built program under Xvfb with a window manager: the main menu is
# minimised through the window system and restored from it maximised again,
# and the window system's close request unloads a screen.
#   window_manager.sh <grimveil-guide>
set -euo pipefail
guide=$1
work=$(mktemp -d)
xvfb_pid= wm_pid= app_pid=

cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }
poll() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
poll 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
HOME=$work openbox --sm-disable >"$work/wm.log" 2>&1 &
wm_pid=$!
poll 10 wmctrl -m || fail "the window manager did not start"

main_title="Interactive Grimveil v2"
visible() { [[ -n $(xdotool search --onlyvisible --name "^$1\$") ]]; }
hidden() { ! visible "$1"; }
geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "^$1\$" | head -n1)")"
  echo "$X $Y $WIDTH $HEIGHT"
}
ends_with_status_0() {
  for _ in $(seq 1 200); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$app_pid" 2>/dev/null && fail "still running"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  ((status == 0)) || fail "exit status $status: $(cat "$work/guide.err")"
}

# 1. Minimise through the main menu's entry, restore from the window system.
"$guide" 2>"$work/guide.err" &
app_pid=$!
poll 20 visible "$main_title" || fail "no main menu"
[[ $(geometry "$main_title") == "0 0 1024 768" ]] || fail "main menu geometry $(geometry "$main_title")"
xdotool mousemove 68 560 click 1
poll 5 hidden "$main_title" || fail "the main menu was not minimised"
pass "minimise entry minimises the main menu"
sleep 2 # the selection screen comes up minimised and the notice goes
wmctrl -a "$main_title"
poll 5 visible "$main_title" || fail "the main menu was not restored"
poll 5 bash -c "[[ \"\$(xdotool getwindowgeometry --shell \$(xdotool search --onlyvisible --name '^$main_title\$' | head -n1) | tr '\n' ' ')\" == *'X=0 Y=0 WIDTH=1024 HEIGHT=768'* ]]" \
  || fail "restored main menu geometry $(geometry "$main_title")"
pass "restored from the window system, maximised again"
xdotool mousemove 68 583 click 1
ends_with_status_0
pass "exit after the minimise walk ends the program"

# 2. The window system's close request on the only screen ends the program.
"$guide" 2>"$work/guide.err" &
app_pid=$!
poll 20 visible "$main_title" || fail "no main menu"
wmctrl -c "$main_title"
ends_with_status_0
pass "a close request unloads the screen; with none left the program ends"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"

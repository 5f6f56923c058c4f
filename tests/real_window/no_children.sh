#!/usr/bin/env bash
# From start to the main menu's exit the program forks no process (no bus
# helper, nothing) and opens no socket but its display connections:
#   no_children.sh <grimveil-guide>
set -euo pipefail
guide=$1
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb

# As a desktop without a session bus leaves it.
env -u DBUS_SESSION_BUS_ADDRESS strace -f -qq -o "$work/trace" \
  -e trace=clone,clone3,fork,vfork,execve,socket,connect "$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 has_window "Interactive Grimveil v2" || fail "no main menu"
xdotool mousemove 68 583 click 1
ends_with_status_0 "$app_pid"

# Threads are clones that share the process; anything else is a new process.
if grep -E '(clone3?|fork|vfork)\(' "$work/trace" | grep -v 'CLONE_THREAD' | grep -q .; then
  fail "forked: $(grep -E '(clone3?|fork|vfork)\(' "$work/trace" | grep -v CLONE_THREAD | head -3)"
fi
(($(grep -c 'execve(' "$work/trace") == 1)) || fail "ran another program: $(grep 'execve(' "$work/trace" | tail -n +2 | head -3)"
others=$(grep -E '^[0-9]+ +connect\(' "$work/trace" | grep -v '/tmp/.X11-unix/X' || true)
[[ -z $others ]] || fail "connected elsewhere than the display: $others"
pass "no process forked, no program run, no connection but the display's"

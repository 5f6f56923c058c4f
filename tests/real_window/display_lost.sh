#!/usr/bin/env bash
# The X server ends under the running program: it ends too, at once, with
# one line on stderr and a failing status, not by a signal or a core dump.
#   display_lost.sh <grimveil-guide>
set -euo pipefail
guide=$1
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb
xvfb_pid=${pids[-1]}
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
poll 20 has_window "Interactive Grimveil v2" || fail "no main menu: $(program_report "$app_pid")"
kill "$xvfb_pid"
await_end "$app_pid" 10 || fail "still running 10 s after the display ended"
status=0
wait "$app_pid" || status=$?
((status != 0)) || fail "status 0 after losing the display"
((status < 128)) || fail "ended by signal $((status - 128))"
lines=$(wc -l <"$work/guide.err")
((lines == 1)) || fail "$lines lines on stderr: $(cat "$work/guide.err")"
grep -qi "connection\|display" "$work/guide.err" || fail "the line does not say what was lost: $(cat "$work/guide.err")"
pass "losing the display ends the program with status $status and one line: $(cat "$work/guide.err")"

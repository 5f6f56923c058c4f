#!/usr/bin/env bash
# The program under valgrind's memcheck: a tour of every kind of screen ended
# by the exit entry, then a run whose windows are destroyed from outside, the
# main menu's last. Neither may read or write out of bounds, use an
# uninitialised value or lose a block for good.
#   valgrind_tour.sh <grimveil-guide>
set -euo pipefail
guide=$1
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb
# shellcheck source=tour.sh
source "$here/tour.sh"

# memcheck <run> [valgrind options]: starts the program; any error, or a
# definite leak, makes its status 99.
memcheck() {
  local run=$1
  shift
  valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 "$@" --log-file="$work/valgrind.$run" \
    "$guide" 2>"$work/guide.err" &
  app_pid=$!
  pids+=("$app_pid")
}

# ends_clean <run>: waits for the end (the leak check takes a while) and
# shows valgrind's report unless the status is 0.
ends_clean() {
  local status=0
  await_end "$app_pid" 60 || fail "$1: still running 60 s after its end"
  wait "$app_pid" || status=$?
  if ((status != 0)); then
    cat "$work/valgrind.$1" >&2
    fail "$1: status $status ($( ((status == 99)) && echo "memcheck found errors" || echo "the program failed"))"
  fi
  grep -q 'ERROR SUMMARY: 0 errors' "$work/valgrind.$1" || fail "$1: no clean summary in valgrind's report"
  [[ ! -s $work/guide.err ]] || fail "$1: the program reported: $(cat "$work/guide.err")"
}

memcheck tour
tour 60
ends_clean tour
pass "memcheck: a tour of every kind of screen and its exit, clean"

# Windows destroyed by another client: SDL's window then has nothing left to
# wait for, a path of its own through the program's unloading. SDL itself
# reads an uninitialised reply there (see valgrind.supp).
memcheck destroyed --suppressions="$here/valgrind.supp"
poll 60 has_window "$main_title" \
  || fail "no main menu (running: $(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no)): $(cat "$work/guide.err"; tail -20 "$work/valgrind.destroyed")"
xdotool mousemove 78 238 click 1
poll 60 has_window "$grid_title" || fail "no selection grid"
poll 60 gone 'Loading\.\.\.Please Wait' || fail "the loading notice stayed"
xdotool mousemove 371 257
show_page 60 371 257 "$omberl_title"
xdotool windowclose "$(window_named "$omberl_title")"
poll 60 gone "$omberl_title" || fail "the page stayed after its window was destroyed"
xdotool windowclose "$(window_named "$grid_title")"
poll 60 gone "$grid_title" || fail "the grid stayed after its window was destroyed"
xdotool windowclose "$(window_named "$main_title")"
ends_clean destroyed
pass "memcheck: windows destroyed from outside, the main menu last, clean"

#!/usr/bin/env bash
# Without a display the program says so in one line and fails at once,
# instead of running on unseen:
#   no_display.sh <grimveil-guide>
set -euo pipefail
guide=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {
  local what=$1; shift
  local status=0
  timeout 10 env "$@" "$guide" >"$work/out" 2>"$work/err" || status=$?
  ((status != 124)) || { echo "FAIL: $what: still running after 10 s" >&2; exit 1; }
  ((status != 0)) || { echo "FAIL: $what: exit status 0" >&2; exit 1; }
  (($(wc -l <"$work/err") == 1)) || { echo "FAIL: $what: stderr: $(cat "$work/err")" >&2; exit 1; }
  grep -q "no display" "$work/err" && grep -q "make snapshots" "$work/err" \
    || { echo "FAIL: $what: said: $(cat "$work/err")" >&2; exit 1; }
  [[ ! -s $work/out ]] || { echo "FAIL: $what: wrote to stdout" >&2; exit 1; }
  echo "ok: $what: $(cat "$work/err")"
}

check "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY
check "DISPLAY naming no server" -u WAYLAND_DISPLAY DISPLAY=:93

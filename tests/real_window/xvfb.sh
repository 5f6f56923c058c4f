# Shared by the real-window scripts: a private Xvfb, helpers to wait and
# report, and one clean-up that stops by PID whatever the script started.
# Sourcing scripts set `pids+=(...)` for what they start themselves.
work=$(mktemp -d)
pids=()

cleanup() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# poll <seconds> <command...>: retries until the command succeeds.
poll() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

# Starts Xvfb on a free display, 1024 x 768 unless told, and exports DISPLAY.
# It keeps what clients set on the root window (resources) when the last
# of them goes.
start_xvfb() {
  # A file of its own each time: a second server must not be read off the first's.
  local number
  number=$(mktemp -p "$work" display.XXXXXX)
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$number" 2>"$work/xvfb.log" &
  pids+=($!)
  poll 20 test -s "$number" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$number")"
}

# The id of the visible window whose title matches a regular expression.
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }
has_window() { [[ -n $(window_named "$1") ]]; }
# "x y w h" of a window id.
geometry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# await_end <pid> <seconds>: waits for a process to end; fails unless it did.
await_end() {
  local pid=$1 _
  for _ in $(seq 1 $(($2 * 20))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  ! kill -0 "$pid" 2>/dev/null
}

# Waits up to 10 s for a process to end and fails unless its status is 0.
ends_with_status_0() {
  local pid=$1 status=0
  await_end "$pid" 10 || fail "still running"
  wait "$pid" || status=$?
  ((status == 0)) || fail "exit status $status: $(cat "$work/guide.err" 2>/dev/null)"
}

# What the program was doing when a window it should have shown is missing.
program_report() {
  local pid=$1
  echo "running: $(kill -0 "$pid" 2>/dev/null && echo yes || echo no)"
  echo "stderr: $(cat "$work/guide.err" 2>/dev/null)"
  echo "windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' ,)"
  if command -v gdb >/dev/null && kill -0 "$pid" 2>/dev/null; then
    gdb -p "$pid" -batch -ex "thread apply all bt" 2>/dev/null | grep -E '^#' | head -n 25
  fi
}

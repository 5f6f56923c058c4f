#!/usr/bin/env bash
# Real-window measurements on a private Xvfb: start-up time; timers, hover
# and memory after the minimise walk as the X server sees them; idle CPU and
# memory with the main menu shown; binary size; then the in-process ones.
#   run.sh <build-dir>
set -euo pipefail
build=$1
guide=$build/grimveil-guide
# shellcheck source=../tests/real_window/xvfb.sh
source "$(dirname "$0")/../tests/real_window/xvfb.sh"
start_xvfb

# The guide against the floor, a bare SDL program presenting one frame,
# alternately, apart, so that no run meets the X server still tidying up.
for _ in $(seq 1 9); do
  sleep 1; "$build/first_frame" "$guide" | sed 's/^/guide /'
  sleep 1; "$build/first_frame" "$build/bare_sdl" | sed 's/^/floor /'
done | tee "$work/starts"
median() { grep "^$1 " "$work/starts" | awk '{ print $(NF - 1) }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
awk -v g="$(median guide)" -v f="$(median floor)" \
  'BEGIN { printf "start to first frame, median of 9: guide %.1f ms, bare SDL %.1f ms, ratio %.2f x (aim: within 1.3 x)\n", g, f, g / f }'

# Timer hand-overs, the letters, hover and the minimise walk, in three runs.
"$build/on_screen" "$guide" 3

"$guide" &
app_pid=$!
pids+=("$app_pid")
sleep 7 # past the hand-over: the main menu alone is loaded
ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "idle CPU with the main menu shown: %.1f %% over 10 s (aim: 0.0 %%)\n", 100 * t / hz / 10 }'
awk '/VmHWM/ { printf "peak resident memory (both screens loaded at the hand-over): %.1f MB\n", $2 / 1024 }' "/proc/$app_pid/status"
awk '/VmRSS/ { printf "resident memory with the main menu shown: %.1f MB\n", $2 / 1024 }' "/proc/$app_pid/status"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
printf 'binary size: %s bytes (%s stripped)\n' "$(stat -c %s "$guide")" "$(strip -o "$work/stripped" "$guide" && stat -c %s "$work/stripped")"

# A full present on a desktop scaled by 2 against one at 1, alternately.
start_xvfb 2048x1536
for _ in 1 2 3; do
  GDK_SCALE=1 "$build/present"
  GDK_SCALE=2 "$build/present"
done | tee "$work/presents"
present_median() { grep "^scale $1:" "$work/presents" | awk '{ print $(NF - 1) }' | sort -n | sed -n 2p; }
awk -v one="$(present_median 1)" -v two="$(present_median 2)" \
  'BEGIN { printf "full present of 800 x 600 at scale 2 against scale 1: %.3f ms against %.3f ms, %.2f x (aim: under 4 x)\n", two, one, two / one }'
# The same watcher on that desktop scaled by 2: hover is the figure it is run for.
GDK_SCALE=2 "$build/on_screen" "$guide" 1 | grep "^hover"

"$build/grimveil-bench"

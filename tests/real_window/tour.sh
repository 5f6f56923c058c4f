# A tour of every kind of screen, driven as a user would, for the tests that
# watch the whole program from outside (under strace, under valgrind): the
# splash hands over, the grid comes through the notice, a fighter page, the
# three secrets pages by both arrows, the contact, links and credits pages,
# the minimise walk and the exit entry. Sourced once xvfb.sh has started the
# display.
#   tour <seconds allowed for each step>
# Every step waits for what it opened or closed, so a slow program (valgrind
# runs it many times slower) is followed, not outrun.

main_title="Interactive Grimveil v2"
grid_title='\[ Grimveil Interactive: Selection Screen \] - \[ version 1\.0\.0 \]'
omberl_title='\[ Interactive Grimveil \] - \[ Omberl \] - \[ version 1\.0\.0 \]'
secrets_titles=(
  '\[ Interactive Grimveil \] - \[ Basic Secrets \] - \[ version 1\.0\.0 \]'
  '\[ Interactive Grimveil \] - \[ Misc\. Skirmal Kodes \] - \[ version 1\.0\.0 \]'
  '\[ Interactive Grimveil \] - \[ Stage Skirmal Kodes \] - \[ version 1\.0\.0 \]'
)
credits_title='\[ Interactive Grimveil \] - \[ Credits \] - \[ version 1\.0\.4 \]'
gone() { ! has_window "$1"; }

# The links page has an empty caption, as the root window has: its window is
# the one with no name that is not the root.
root_id=$(printf '%d' "$(xwininfo -root | awk '/Window id:/ { print $4 }')")
page_window() {
  if [[ -n $1 ]]; then
    window_named "$1"
  else
    xdotool search --onlyvisible --name '^$' | grep -vx "$root_id" | head -n1
  fi
}
page_shown() { [[ -n $(page_window "$1") ]]; }
page_gone() { ! page_shown "$1"; }

# show_page <seconds> <x> <y> <title>: clicks at x, y until the page shows.
show_page() {
  local t=$1 x=$2 y=$3 title=$4 deadline=$((SECONDS + $1))
  until page_shown "$title"; do
    ((SECONDS < deadline)) || fail "no window '$title' after a click at $x, $y"
    xdotool mousemove "$x" "$y" click 1
    poll $((t / 6 + 2)) page_shown "$title" || true
  done
}

# open_page <seconds> <x> <y> <title> <close x> <close y>: shows the page,
# then closes it from its close mark, relative to it.
open_page() {
  local t=$1 title=$4 close_x=$5 close_y=$6 px py _
  show_page "$t" "$2" "$3" "$title"
  read -r px py _ < <(geometry "$(page_window "$title")")
  xdotool mousemove $((px + close_x)) $((py + close_y)) click 1
  poll "$t" page_gone "$title" || fail "'$title' did not close"
}

tour() {
  local t=$1
  poll "$t" has_window "$main_title" || fail "no main menu"

  # The grid through the notice; a hover lights Omberl, whose click opens his
  # page (clicked again until it shows: a click before the hover is painted
  # lands on the plain portrait).
  xdotool mousemove 78 238 click 1
  poll "$t" has_window "$grid_title" || fail "no selection grid"
  poll "$t" gone 'Loading\.\.\.Please Wait' || fail "the loading notice stayed"
  xdotool mousemove 371 257
  open_page "$t" 371 257 "$omberl_title" 669 8
  local px py _
  read -r px py _ < <(geometry "$(window_named "$grid_title")")
  xdotool mousemove $((px + 388)) $((py + 13)) click 1
  poll "$t" gone "$grid_title" || fail "the grid did not close"
  pass "tour: main menu, notice, grid, a fighter page"

  # The secrets ring: Next, Next, then Previous, and its close mark.
  xdotool mousemove 74 274 click 1
  poll "$t" has_window "${secrets_titles[0]}" || fail "no secrets page"
  local step=0
  for arrow in next next previous; do
    read -r px py _ < <(geometry "$(window_named "${secrets_titles[step]}")")
    if [[ $arrow == next ]]; then
      xdotool mousemove $((px + 578)) $((py + 440)) click 1
      step=$(((step + 1) % 3))
    else
      xdotool mousemove $((px + 502)) $((py + 440)) click 1
      step=$(((step + 2) % 3))
    fi
    poll "$t" has_window "${secrets_titles[step]}" || fail "the $arrow arrow did not show secrets page $((step + 1))"
  done
  read -r px py _ < <(geometry "$(window_named "${secrets_titles[step]}")")
  xdotool mousemove $((px + 600)) $((py + 10)) click 1
  poll "$t" gone "${secrets_titles[step]}" || fail "the secrets page did not close"
  pass "tour: the three secrets pages"

  open_page "$t" 82 377 "Form1" 669 8
  open_page "$t" 74 306 "" 669 8
  open_page "$t" 78 342 "$credits_title" 669 8
  pass "tour: contact, links and credits pages"

  # The minimise walk loads every screen. With no window manager nothing is
  # iconified, so the exit entry stays in reach; the grid, closed above,
  # shows again when the walk's notice ticks.
  xdotool mousemove 68 560 click 1
  poll "$t" has_window "$grid_title" || fail "the minimise walk did not bring the grid back"
  pass "tour: the minimise walk"

  xdotool mousemove 68 583 click 1
}

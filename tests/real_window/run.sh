#!/usr/bin/env bash
# Runs the built program on its own Xvfb and drives it as a user would:
#   run.sh <grimveil-guide> <xpixel> <page_facts>
set -euo pipefail
guide=$1
xpixel=$2
page_facts=$3
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb
pixel() { "$xpixel" "$1" "$2"; }

start=$SECONDS
"$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")

# The splash: its caption, 584 x 264, centred on 1024 x 768.
poll 10 has_window "Orvelle Created" || fail "no splash window"
splash=$(window_named "Orvelle Created")
[[ $(geometry "$splash") == "220 252 584 264" ]] || fail "splash geometry $(geometry "$splash")"
pass "splash 584 x 264, centred"

# The hand-over: the main menu covers the display and the splash is gone.
poll 20 has_window "Interactive Grimveil v2" || fail "no main menu"
main=$(window_named "Interactive Grimveil v2")
poll 5 bash -c "[[ -z \$(xdotool search --onlyvisible --name '^Orvelle Created\$') ]]" || fail "splash still shown"
elapsed=$((SECONDS - start))
((elapsed <= 8)) || fail "hand-over took ${elapsed}s"
[[ $(geometry "$main") == "0 0 1024 768" ]] || fail "main menu geometry $(geometry "$main")"
pass "main menu covers the display after the splash"

# Beyond the 800 x 600 artwork the main menu is black.
poll 5 bash -c "[[ \$('$xpixel' 900 700) == '0 0 0' ]]" || fail "pixel (900, 700) is $(pixel 900 700)"

# Character moves: the notice centred, then the grid centred, then the notice gone.
xdotool mousemove 78 238 click 1
poll 5 has_window "Loading\.\.\.Please Wait" || fail "no loading notice"
notice=$(window_named "Loading\.\.\.Please Wait")
[[ $(geometry "$notice") == "278 354 467 59" ]] || fail "notice geometry $(geometry "$notice")"
pass "loading notice centred"
grid_title='\[ Grimveil Interactive: Selection Screen \] - \[ version 1\.0\.0 \]'
poll 5 has_window "$grid_title" || fail "no selection grid"
grid=$(window_named "$grid_title")
[[ $(geometry "$grid") == "311 202 401 364" ]] || fail "grid geometry $(geometry "$grid")"
pass "selection grid centred"
poll 5 bash -c "[[ -z \$(xdotool search --onlyvisible --name 'Loading\\.\\.\\.Please Wait') ]]" || fail "notice still shown"
pass "loading notice gone"

# Onto Omberl's portrait (the cell at 338, 227): its red frame shows there.
poll 2 bash -c "[[ \$('$xpixel' 338 227) != '255 0 0' ]]" || fail "a red frame before any move"
xdotool mousemove 371 257
poll 5 bash -c "[[ \$('$xpixel' 338 227) == '255 0 0' && \$('$xpixel' 340 229) == '127 0 0' ]]" \
  || fail "no red frame at Omberl's cell: $(pixel 338 227)"
pass "hover shows the red frame at the cell"

# A click on it opens Omberl's page; every fighter's page opens the same way,
# centred, with its caption and its first row in gold and white where the
# layout puts it, and closes from its close mark.
gx=311 gy=202 px=171 py=202
"$page_facts" >"$work/pages" || fail "page_facts failed"
(($(wc -l <"$work/pages") == 23)) || fail "page_facts listed $(wc -l <"$work/pages") pages"
while read -r fighter version cx cy goldx goldy whitex whitey; do
  xdotool mousemove $((gx + cx)) $((gy + cy)) click 1
  page_title="\[ Interactive Grimveil \] - \[ $fighter \] - \[ version ${version//./\\.} \]"
  poll 5 has_window "$page_title" || fail "no page window for $fighter"
  page=$(window_named "$page_title")
  [[ $(geometry "$page") == "$px $py 681 364" ]] || fail "$fighter page geometry $(geometry "$page")"
  poll 5 bash -c "[[ \$('$xpixel' $((px + goldx)) $((py + goldy))) == '255 192 2' ]]" \
    || fail "$fighter: no gold at $goldx, $goldy: $(pixel $((px + goldx)) $((py + goldy)))"
  [[ $(pixel $((px + whitex)) $((py + whitey))) == '255 255 255' ]] \
    || fail "$fighter: no white at $whitex, $whitey: $(pixel $((px + whitex)) $((py + whitey)))"
  xdotool mousemove $((px + 669)) $((py + 8)) click 1
  poll 5 bash -c "! xdotool search --onlyvisible --name '$page_title'" || fail "$fighter page still open"
done <"$work/pages"
pass "all 23 fighter pages open centred with their captions and first rows, and close"

# The contact page goes to the window system's default place, not the centre:
# the cascade from the top-left corner, one step further at the next opening.
# (The page covers the menu's entries, so it is closed between openings.)
for expected in "26 26" "52 52"; do
  xdotool mousemove 82 377 click 1
  poll 5 has_window "Form1" || fail "no contact page"
  [[ $(geometry "$(window_named Form1)") == "$expected 681 364" ]] \
    || fail "contact page at $(geometry "$(window_named Form1)"), expected $expected"
  read -r cx cy _ < <(geometry "$(window_named Form1)")
  xdotool mousemove $((cx + 669)) $((cy + 8)) click 1
  poll 5 bash -c "! xdotool search --onlyvisible --name '^Form1\$'" || fail "contact page still open"
done
pass "contact page opens at the cascade's places"

# The secrets ring: Next replaces page 1 by page 2, centred.
xdotool mousemove 74 274 click 1
secrets1='\[ Interactive Grimveil \] - \[ Basic Secrets \] - \[ version 1\.0\.0 \]'
secrets2='\[ Interactive Grimveil \] - \[ Misc\. Skirmal Kodes \] - \[ version 1\.0\.0 \]'
poll 5 has_window "$secrets1" || fail "no secrets page"
[[ $(geometry "$(window_named "$secrets1")") == "206 154 612 460" ]] || fail "secrets page not centred"
xdotool mousemove $((206 + 578)) $((154 + 440)) click 1
poll 5 has_window "$secrets2" || fail "Next did not show page 2"
poll 5 bash -c "! xdotool search --onlyvisible --name '^$secrets1\$'" || fail "page 1 still open"
xdotool mousemove $((206 + 600)) $((154 + 10)) click 1
poll 5 bash -c "! xdotool search --onlyvisible --name '^$secrets2\$'" || fail "page 2 did not close"
pass "secrets page centred; Next moves on; its close mark closes it"

# The exit entry ends the program with status 0.
xdotool mousemove 68 583 click 1
ends_with_status_0 "$app_pid"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"
pass "exit entry ends the program with status 0"

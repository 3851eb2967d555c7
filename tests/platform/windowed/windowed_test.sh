#!/bin/sh
# The windowed backend for real, under a virtual X display: the window opens at the
# chosen scale, a mouse click is a tap on the control beneath it, typed keys reach the
# focused field and the close button ends the program with code 0.
#   windowed_test.sh PROGRAM XCLOSE      (run inside xvfb-run)
set -u
program=$1 xclose=$2
. "$(dirname "$0")/../../windowed_helpers.sh"

# 1. A scripted window at scale 3: its size, a click, typing, and the close button.
mkfifo "$scratch/commands"
"$program" --scale 3 --script "$scratch/commands" > "$scratch/out" 2>&1 &
first=$!; pids="$pids $first"
exec 3> "$scratch/commands"
window=$(window_of $first) || give_up "no window appeared"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = "720x960" ] && pass "window is 720x960 at scale 3" || fail "window size $size, not 720x960"
echo "menu 40021" >&3
echo "dump" >&3
wait_for "$scratch/out" "^screen 112" || fail "menu did not show the screen"
# The current field's centre is at screen pixel (174, 62): three times that in the window.
xdotool mousemove --window "$window" 522 186 click 1
ask_until dump "^focus 1006" && pass "a click is a tap on the field beneath it" || fail "click did not focus the field"
xdotool type --window "$window" --delay 50 "4.2"
ask_until "text 1006" '^text 1006 "4.2"' && pass "typed keys reach the focused field" || fail "typing did not arrive"
"$xclose" Zephtor
exit_code_of $first
[ "$code" = 0 ] && grep -q '^exit 0' "$scratch/out" && pass "the close button ends the program with code 0" \
  || { fail "close button: exit code $code"; cat "$scratch/out"; }
exec 3>&-

finish

#!/bin/sh
# The windowed backend for real, under a virtual X display: the window opens at the
# chosen scale, a mouse click is a tap on the control beneath it, typed keys reach the
# focused field, the close button ends the program with code 0, and a second start
# brings the first copy forward and ends with code 0.
#   windowed_test.sh PROGRAM XCLOSE      (run inside xvfb-run)
set -u
program=$1 xclose=$2
scratch=$(mktemp -d)
pids=""
cleanup() { for p in $pids; do kill "$p" 2>/dev/null; done; rm -rf "$scratch"; }
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Waits up to five seconds for a line matching PATTERN in FILE.
wait_for() {
  i=0
  while [ $i -lt 50 ]; do
    grep -q -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
# Sends COMMAND to the program until its output has a line matching PATTERN (the
# machine may be busy: input from X and from the script arrive in their own time).
ask_until() {
  i=0
  while [ $i -lt 25 ]; do
    echo "$1" >&3
    wait_for_briefly "$scratch/out" "$2" && return 0
    i=$((i + 1))
  done
  return 1
}
wait_for_briefly() {
  j=0
  while [ $j -lt 4 ]; do
    grep -q -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1; j=$((j + 1))
  done
  return 1
}
window_of() {
  i=0
  while [ $i -lt 50 ]; do
    w=$(xdotool search --pid "$1" --name '^Zephtor$' 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
# A finished child stays a zombie until it is waited for, so look at its state.
alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }
# Sets code to the exit status of process $1, or "running" after five seconds.
exit_code_of() {
  i=0
  while [ $i -lt 50 ] && alive "$1"; do sleep 0.1; i=$((i + 1)); done
  if alive "$1"; then code=running; else wait "$1"; code=$?; fi
}

# 1. A scripted window at scale 3: its size, a click, typing, and the close button.
mkfifo "$scratch/commands"
"$program" --scale 3 --script "$scratch/commands" > "$scratch/out" 2>&1 &
first=$!; pids="$pids $first"
exec 3> "$scratch/commands"
window=$(window_of $first) || fail "no window appeared"
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

# 2. A second start while one runs: the first comes forward, the second ends with 0.
"$program" > "$scratch/first" 2>&1 &
first=$!; pids="$pids $first"
window=$(window_of $first) || fail "first copy has no window"
xdotool windowunmap --sync "$window"
"$program" > "$scratch/second" 2>&1 &
second=$!; pids="$pids $second"
exit_code_of $second
[ "$code" = 0 ] && pass "the second copy ends with code 0" || fail "second copy: $code"
sleep 0.5
alive $first && pass "the first copy still runs" || fail "the first copy is gone"
xwininfo -id "$window" | grep -q IsViewable && pass "the first copy was brought forward" || fail "the first copy stayed hidden"
[ "$(xdotool search --name '^Zephtor$' | wc -l)" = 1 ] && pass "exactly one window" || fail "more than one window"

echo "$failures failed"
[ $failures = 0 ]

#!/bin/sh
# A second start while a copy runs on the same display: the running copy comes to the
# front (here: from unmapped to viewable), the second ends with code 0, one window stays;
# then SIGTERM ends the first at once, asking nothing, with 128 + 15.
#   second_start_test.sh PROGRAM [TITLE]   (run inside xvfb-run; TITLE: the host window's)
set -u
program=$1 title=${2:-Zephtor}
. "$(dirname "$0")/windowed_helpers.sh"

"$program" > "$scratch/first" 2>&1 &
first=$!; pids="$pids $first"
window=$(window_of $first "$title") || give_up "first copy has no window"
xdotool windowunmap --sync "$window"
"$program" > "$scratch/second" 2>&1 &
second=$!; pids="$pids $second"
exit_code_of $second
[ "$code" = 0 ] && pass "the second copy ends with code 0" || fail "second copy: $code"
viewable() { xwininfo -id "$window" | grep -q IsViewable; }
i=0
while [ $i -lt 50 ] && ! viewable; do sleep 0.1; i=$((i + 1)); done
alive $first && pass "the first copy still runs" || fail "the first copy is gone"
viewable && pass "the first copy was brought forward" || fail "the first copy stayed hidden"
[ "$(xdotool search --name "^$title\$" | wc -l)" = 1 ] && pass "exactly one window" || fail "more than one window"
kill -TERM $first
exit_code_of $first
[ "$code" = 143 ] && pass "SIGTERM ends it at once with status 143" || fail "SIGTERM: $code"

finish

#!/bin/sh
# The encoder in a real window with the dummy audio driver: a tap while a text plays is
# not acted on, and the close button during a long text ends the program at once, code 0.
#   morse_windowed_test.sh PROGRAM XCLOSE      (run inside xvfb-run)
set -u
program=$1 xclose=$2
. "$(dirname "$0")/../windowed_helpers.sh"
# more_than PATTERN N: waits for more than N lines matching; up to 30 s for a busy machine.
more_than() { i=0; while [ $i -lt 300 ] && [ "$(grep -c "$1" "$scratch/out")" -le "$2" ]; do sleep 0.1; i=$((i + 1)); done; }
mkfifo "$scratch/commands"
"$program" --script "$scratch/commands" > "$scratch/out" 2>&1 &
first=$!; pids="$pids $first"
exec 3> "$scratch/commands"
window=$(window_of $first) || give_up "no window appeared"
printf 'menu 40051\ntap 1167\ntype 000\ntap 1166\n' >&3
more_than '^sound 207' 0; echo "text 1167" >&3
# A tap on Clear (33, 188), at scale 2, while the text plays; it would be handled, if at
# all, between the answer that comes when the text has played and the next.
xdotool mousemove --window "$window" 66 376 click 1
more_than '^text 1167' 0; sleep 0.3; asked=$(grep -c '^text 1167' "$scratch/out")
echo "text 1167" >&3; more_than '^text 1167' "$asked"
[ "$(grep '^text 1167' "$scratch/out" | tail -n 1)" = 'text 1167 "000"' ] \
  && pass "a tap while the text plays is not acted on" || { fail "the tap during playing took effect"; cat "$scratch/out"; }

# Thirty zeros play for 53 seconds; the close button must not wait for them.
printf 'tap 1011\ntap 1167\ntype 000000000000000000000000000000\ntap 1166\n' >&3
more_than '^sound 207' 3
"$xclose" Zephtor
more_than '^exit' 0; exit_code_of $first
[ "$code" = 0 ] && grep -q '^exit 0' "$scratch/out" && pass "the close button during a long text ends with code 0" \
  || { fail "close during a text: exit code $code"; cat "$scratch/out"; }
finish

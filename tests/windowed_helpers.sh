# Shell helpers of the windowed tests, which run under a virtual X display: a scratch
# folder, the programs started (ended at exit), and the count of failed checks.
scratch=$(mktemp -d)
pids=""
cleanup() { for p in $pids; do kill "$p" 2>/dev/null; done; rm -rf "$scratch"; }
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# A failure the rest of the test cannot go on from (xwininfo without a window waits for a
# click, for ever).
give_up() { fail "$*"; finish; exit 1; }
finish() {
  echo "$failures failed"
  [ $failures = 0 ]
}

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
# The window of process $1 once it bears the title $2 (default Zephtor). A sanitizer build
# on a busy machine can take several seconds to open its first window.
window_of() {
  i=0
  while [ $i -lt 300 ]; do
    w=$(xdotool search --pid "$1" --name "^${2:-Zephtor}\$" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
# A finished child stays a zombie until it is waited for, so look at its state.
alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }
# Sets code to the exit status of process $1, or "running" after twenty seconds.
exit_code_of() {
  i=0
  while [ $i -lt 200 ] && alive "$1"; do sleep 0.1; i=$((i + 1)); done
  if alive "$1"; then code=running; else wait "$1"; code=$?; fi
}


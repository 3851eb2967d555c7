#!/bin/sh
# A script that asks for what cannot be done stops with status 2 and says why, after
# what it printed before.
#   errors_test.sh PROGRAM
set -u
program=$1 failed=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stops() {  # SCRIPT OUTPUT
  printf "$1" > "$scratch/s"
  out=$(cd "$scratch" && timeout 20 "$program" --headless --script s 2>&1 < /dev/null; echo "status $?")
  [ "$out" = "$(printf "$2\nstatus 2")" ] || { printf 'FAILED: %s\ngave: %s\n' "$1" "$out"; failed=1; }
}
stops 'answer ok\n' 'error: no message box is open'
stops 'menu 40021\ntap 1009\n' 'msgbox "Fields" "||||"\nerror: the script ended while a message box or dialog was open'
stops 'menu 40021\ntap 4242\n' 'error: no visible control 4242'
stops 'done\n' 'error: the navigation bar shows no ok button'
stops 'menu 99\n' 'error: no menu item 99'
stops 'menu 40021\ntab 1\n' 'error: the current screen has no tabs'
stops 'menu 40021\nitems 1006\n' 'error: control 1006 holds no items'
stops 'menu 40021\nselect 1006 0\n' 'error: item 0 of control 1006 cannot be tapped'
stops 'tap 240 10\n' 'error: tap outside the screen'
stops 'tap 0 320\n' 'error: tap outside the screen'
stops 'dump\nfly away\n' 'screen home\nsip down\nfocus none\nend\nerror: unknown command: fly away'
exit $failed

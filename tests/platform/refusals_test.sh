#!/bin/sh
# What a script gives that cannot be done is refused with status 2 and a reason, never
# wrapped round, cut short, read without end or passed over; a command that asks for what
# cannot be done stops the script the same way, after what it printed before.
#   refusals_test.sh PROGRAM
set -u
program=$1 failed=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
refused() {  # SCRIPT-FILE REASON
  out=$(timeout 20 "$program" --headless --script "$1" 2>&1 < /dev/null); status=$?
  case "$status $out" in "2 "*"$2"*) ;; *) echo "FAILED: $1 gave status $status: $out" | head -c 300; echo; failed=1 ;; esac
}
script() { printf "$1" > "$scratch/s"; refused "$scratch/s" "$2"; }
stops() {  # SCRIPT OUTPUT: the whole output
  printf "$1" > "$scratch/s"
  out=$(cd "$scratch" && timeout 20 "$program" --headless --script s 2>&1 < /dev/null; echo "status $?")
  [ "$out" = "$(printf "$2\nstatus 2")" ] || { printf 'FAILED: %s\ngave: %s\n' "$1" "$out"; failed=1; }
}
script 'tap 66545\n' "ID must be a number from -32768 to 65535"
script 'text 99999999999999999999\n' "ID must be a number"
script 'menu 4295007317\n' "ID must be a number from 0 to 65535"
script 'tab 4294967297\n' "N must be a number from 0"
script 'tap 1\0009\n' "ID must be a number"
script 'screenshot /dev/full\n' "cannot write /dev/full"
refused /dev/zero "longer than 65536 bytes"
refused "$scratch" "cannot read the script"
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

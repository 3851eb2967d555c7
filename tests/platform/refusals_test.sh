#!/bin/sh
# What a script gives that cannot be done is refused with status 2 and a reason, never
# wrapped round, cut short, read without end or passed over.
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
script 'tap 66545\n' "ID must be a number from -32768 to 65535"
script 'text 99999999999999999999\n' "ID must be a number"
script 'menu 4295007317\n' "ID must be a number from 0 to 65535"
script 'tab 4294967297\n' "N must be a number from 0"
script 'tap 1\0009\n' "ID must be a number"
script 'screenshot /dev/full\n' "cannot write /dev/full"
refused /dev/zero "longer than 65536 bytes"
refused "$scratch" "cannot read the script"
exit $failed

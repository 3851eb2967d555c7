#!/bin/sh
# Runs PROGRAM headless on SCRIPT in a scratch folder and compares everything it
# printed, followed by its exit status, with EXPECTED. (Pictures a script saves are the
# screenshot tests' business: run_screenshots.sh.)
#   run_flow.sh PROGRAM SCRIPT EXPECTED
set -u
program=$1 script=$2 expected=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
"$program" --headless --script "$script" > output 2>&1 < /dev/null
echo "status $?" >> output
diff -u "$expected" output

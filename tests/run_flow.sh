#!/bin/sh
# Runs PROGRAM headless on SCRIPT in a scratch folder and compares everything it
# printed, followed by its exit status, with EXPECTED. Pictures the script saves are
# checked to be PNG files.
#   run_flow.sh PROGRAM SCRIPT EXPECTED
set -u
program=$1 script=$2 expected=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
"$program" --headless --script "$script" > output 2>&1 < /dev/null
echo "status $?" >> output
for picture in $(sed -n 's/^screenshot //p' "$script"); do
  if [ "$(head -c 4 "$picture" 2>/dev/null | od -An -c | tr -d ' ')" != "211PNG" ]; then
    echo "status of $picture: not a PNG file" >> output
  fi
done
diff -u "$expected" output

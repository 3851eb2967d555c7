#!/bin/sh
# Runs PROGRAM headless on SCRIPT and compares every picture it saves with the
# reference of the same name in REFERENCES, pixel for pixel. A missing reference fails.
# With ZEPHTOR_UPDATE_SCREENSHOTS=1 the new pictures become the references instead.
#   run_screenshots.sh PROGRAM SCRIPT REFERENCES PNGSAME
set -u
program=$1 script=$2 references=$3 pngsame=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
"$program" --headless --script "$script" > output 2>&1 < /dev/null || { cat output; exit 1; }
failed=0
for picture in $(sed -n 's/^screenshot //p' "$script"); do
  if [ "${ZEPHTOR_UPDATE_SCREENSHOTS:-}" = 1 ]; then
    cp "$picture" "$references/$picture" && echo "updated $picture"
  elif [ ! -f "$references/$picture" ]; then
    echo "$picture: no reference (make update-screenshots writes it; look at it before committing)"
    failed=1
  elif ! "$pngsame" "$references/$picture" "$picture"; then
    echo "$picture differs from its reference"
    failed=1
  fi
done
exit $failed

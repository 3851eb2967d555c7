#!/bin/sh
# Holds the Morse sounds to the code itself, not to our own table: a recorded Encode is
# read back as typed by an independent decoder (small letters, two blanks between words).
#   morse_decode_test.sh PROGRAM DECODER
set -u
program=$1 decoder=$2
text="CQ DE K1ABC 73 SOS 0123456789 THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
printf 'menu 40051\ntap 1167\ntype %s\ntap 1166\n' "$text" > "$scratch/script"
"$program" --headless --script "$scratch/script" --record-sound "$scratch/text.wav" > "$scratch/out" 2>&1 \
  || { cat "$scratch/out"; exit 1; }
decoded=$("$decoder" "$scratch/text.wav" 2>/dev/null | tr a-z A-Z | tr -s ' ' | sed 's/ *$//')
[ "$decoded" = "$text" ] || { echo "typed   \"$text\""; echo "decoded \"$decoded\""; exit 1; }

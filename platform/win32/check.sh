#!/bin/sh
# Holds the programs to the real Win32 interface: every source under device/ and setup/
# is compiled with mingw-w64 against the Windows headers (and the stand-ins of
# platform/win32/include for what only Windows CE has), and every resource script goes
# through mingw's windres. Our own headers accept things Windows does not; this is where
# that shows.
#   platform/win32/check.sh BUILD-FOLDER
# BUILD-FOLDER is a configured build in which the programs' resources have been built:
# the scripts name its pictures, icons and sounds.
set -eu
[ $# -eq 1 ] && [ -d "$1/device" ] || { echo "usage: $0 BUILD-FOLDER (a build with the resources made)" >&2; exit 2; }
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
include=$root/platform/win32/include
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$root"

# A source finds its program's headers from the program's folder, as in the build. Each
# writes its diagnostics to a log of its own; a failure leaves a .failed beside it.
find device setup -name '*.cpp' | sort | xargs -P "$(nproc)" -n 1 sh -c '
    log=$0/$(echo "$2" | tr / _)
    x86_64-w64-mingw32-g++-posix -std=c++20 -DUNICODE -D_UNICODE -Wall -Wextra -Werror -fsyntax-only \
        -I"${2%%/*}" -I"$1" "$2" > "$log.log" 2>&1 || touch "$log.failed"' "$out" "$include" || true

# Resource scripts: windres has no syntax-only mode, so each is compiled to a scratch .res.
for rc in $(find device setup -name '*.rc' | sort); do
    log=$out/$(echo "$rc" | tr / _)
    x86_64-w64-mingw32-windres --preprocessor=x86_64-w64-mingw32-gcc-posix --preprocessor-arg=-E \
        --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED --include-dir="$include" \
        --include-dir="$(dirname "$rc")" --include-dir="$build/${rc%%/*}" -c 65001 -O res -i "$rc" \
        -o "$log.res" > "$log.log" 2>&1 || touch "$log.failed"
done

sources=$(find device setup -name '*.cpp' | wc -l)
scripts=$(find device setup -name '*.rc' | wc -l)
failed=$(find "$out" -name '*.failed' | wc -l)
for log in "$out"/*.log; do
    if [ -s "$log" ]; then cat "$log"; fi
done
if [ "$failed" -ne 0 ]; then
    echo "win32: $failed failed, of $sources sources and $scripts resource scripts, against the Windows headers"
    exit 1
fi
echo "win32: $sources sources and $scripts resource scripts compile against the Windows headers"

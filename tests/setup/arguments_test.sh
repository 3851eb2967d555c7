#!/bin/sh
# Outside programs get their arguments as data, never through a shell: a setup folder and
# an Application Manager path, and a help file's folder, holding blanks, ';', '$( )' and a
# line break reach the started program whole, and nothing in them runs. Help that cannot
# be shown is said.
#   arguments_test.sh SETUP ZEPHTOR
set -u
setup=$1 zephtor=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi; }
odd="a;b \$(touch $scratch/ran) c
d"
# A registry string cannot hold a line break, so the Application Manager's folder has none.
tools="$scratch/tools; \$(touch $scratch/ran)"
mkdir -p "$scratch/$odd" "$tools"
# The recorder writes each argument it was given, followed by a NUL.
recorder="$tools/record"
printf '#!/bin/sh\nfor a; do printf "%%s\\0" "$a"; done > "%s/got"\n' "$scratch" > "$recorder"
chmod +x "$recorder"
wait_for_record() { i=0; while [ ! -e "$scratch/got" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done; }

printf 'REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE]\n@="%s"\n' \
  "$recorder" > "$scratch/registry.reg"
printf 'tap 1005\ntap 1001\nanswer ok\n' > "$scratch/wizard"
(cd "$scratch/$odd" && ZEPHTOR_REGISTRY="$scratch/registry.reg" ZEPHTOR_SETUP_RUN_APPMGR=1 \
  "$setup" --headless --script "$scratch/wizard" > /dev/null 2>&1)
wait_for_record
printf '%s/%s/setup.ini\0' "$scratch" "$odd" > "$scratch/want"
check "the Application Manager gets setup.ini's path as its one argument" "cmp -s '$scratch/want' '$scratch/got'"

rm -f "$scratch/got"
mkdir "$scratch/$odd/bin" && cp "$zephtor" "$scratch/$odd/bin/" && : > "$scratch/$odd/bin/Zephtor.htm"
echo 'menu 40004' | ZEPHTOR_HELP_VIEWER="$recorder" "$scratch/$odd/bin/zephtor" --headless --script - > /dev/null 2>&1
wait_for_record
# The folder's odd characters are written as %XX in the address.
printf 'file://%s/a%%3Bb%%20%%24%%28touch%%20%s/ran%%29%%20c%%0Ad/bin/Zephtor.htm#Main_Contents\0' "$scratch" "$scratch" \
  > "$scratch/want"
check "the help viewer gets the help file's address as its one argument" "cmp -s '$scratch/want' '$scratch/got'"
rm "$scratch/$odd/bin/Zephtor.htm"
said=$(printf 'menu 40004\nanswer ok\n' | ZEPHTOR_HELP_VIEWER="$recorder" "$scratch/$odd/bin/zephtor" --headless --script - 2>&1)
check "a missing help file is said, not silently ignored" "echo '$said' | grep -q '^msgbox \"Zephtor\" \"Help cannot be shown'"
check "nothing in the names ran" "[ ! -e '$scratch/ran' ]"
exit $failed

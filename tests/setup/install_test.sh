#!/bin/sh
# Installing for a person, end to end, in a scratch HOME: the setup program hands over to
# the Application Manager, which installs; the command it installed starts the program;
# installing again asks and replaces, and SIGTERM then ends it with 128 + 15 and a whole
# copy; a file outside the package is refused; a target that cannot be written fails
# cleanly and leaves the installed copy as it was.
#   install_test.sh SETUP APPMGR ZEPHTOR HELPFILE ICON
set -u
setup=$1 appmgr=$2 zephtor=$3 help=$4 icon=$5
scratch=$(mktemp -d); chmod 755 "$scratch"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
failed=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi; }

package=$scratch/package data=$scratch/home/.local/share
mkdir -p "$package/icons/hicolor/32x32/apps" "$scratch/home"
cp "$zephtor" "$help" "$package/" && cp "$icon" "$package/icons/hicolor/32x32/apps/zephtor.png"
printf '[CEAppManager]\r\nVersion = 1.0\r\nComponent = Zephtor\r\n\r\n[Zephtor]\r\nDescription = Zephtor\r\nFiles = zephtor, %s, icons/hicolor/32x32/apps/zephtor.png\r\n' \
  "$(basename "$help")" > "$package/setup.ini"
printf 'REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE]\n@="%s"\n' \
  "$appmgr" > "$scratch/registry.reg"
printf 'tap 1005\ntap 1001\nanswer ok\n' > "$scratch/wizard"
printf 'answer ok\n' > "$scratch/ok"
printf 'answer yes\nanswer ok\n' > "$scratch/yes"
export HOME="$scratch/home" XDG_DATA_HOME= ZEPHTOR_REGISTRY="$scratch/registry.reg"

# The setup program does not wait for the Application Manager: wait for its exit line.
(cd "$package" && ZEPHTOR_SETUP_RUN_APPMGR=1 ZEPHTOR_SCRIPT="$scratch/ok" \
  "$setup" --headless --script "$scratch/wizard" > "$scratch/first" 2>&1)
i=0
while [ "$(grep -c '^exit' "$scratch/first")" -lt 2 ] && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
check "setup hands over and the Application Manager installs" \
  "grep -q 'msgbox \"Application Manager\" \"Zephtor 1.0 is installed' '$scratch/first' && [ \"\$(grep -c '^exit 0' '$scratch/first')\" = 2 ]"
check "the menu entry starts the installed program" "grep -qx 'Exec=$data/zephtor/zephtor' '$data/applications/zephtor.desktop'"
check "the icon is with the program and in the theme" \
  "cmp -s '$icon' '$data/zephtor/icons/hicolor/32x32/apps/zephtor.png' && cmp -s '$icon' '$data/icons/hicolor/32x32/apps/zephtor.png'"
echo dump > "$scratch/dump"
check "the installed command runs the program" \
  "'$scratch/home/.local/bin/zephtor' --headless --script '$scratch/dump' | grep -qx 'exit 0'"

touch "$data/zephtor/left-behind"
"$appmgr" --headless --script "$scratch/yes" "$package/setup.ini" > "$scratch/again" 2>&1
check "installing again asks, then replaces" \
  "grep -q 'is installed already' '$scratch/again' && grep -qx 'exit 0' '$scratch/again' && [ ! -e '$data/zephtor/left-behind' ]"

mkfifo "$scratch/commands"
"$appmgr" --headless --script "$scratch/commands" "$package/setup.ini" > "$scratch/signalled" 2>&1 &
exec 3> "$scratch/commands"
i=0; while ! grep -q 'is installed already' "$scratch/signalled" && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
echo 'answer yes' >&3
kill -TERM $!; wait $!; code=$?
exec 3>&-
check "a signal while installing ends it with 143, leaving a whole copy" \
  "[ $code = 143 ] && grep -qx 'exit 143' '$scratch/signalled' && cmp -s '$zephtor' '$data/zephtor/zephtor' && [ ! -e '$data/zephtor.new' ] && [ ! -e '$data/zephtor.old' ]"

sed 's|^Files = zephtor, |Files = zephtor, ../registry.reg, |' "$package/setup.ini" > "$package/outside.ini"
"$appmgr" --headless --script "$scratch/ok" "$package/outside.ini" > "$scratch/outside" 2>&1
check "a package naming a file outside its folder is refused" \
  "grep -q 'lies outside its folder' '$scratch/outside' && grep -qx 'exit 1' '$scratch/outside'"

touch "$data/zephtor/kept"
chmod a-w "$data"
# Root may write anywhere; the failing run is made as nobody, for whom the folder is closed.
as_nobody=; [ "$(id -u)" = 0 ] && as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
$as_nobody "$appmgr" --headless --script "$scratch/yes" "$package/setup.ini" > "$scratch/closed" 2>&1
check "a target that cannot be written fails with a message" \
  "grep -q 'could not be installed. Cannot' '$scratch/closed' && grep -qx 'exit 1' '$scratch/closed'"
check "and the installed copy is as it was" "[ -e '$data/zephtor/kept' ] && cmp -s '$zephtor' '$data/zephtor/zephtor'"
[ $failed = 0 ] || cat "$scratch/first" "$scratch/again" "$scratch/signalled" "$scratch/closed"
exit $failed

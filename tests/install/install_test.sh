#!/bin/sh
# Installs the build tree as `make install` does, with the prefix /usr/local under a
# scratch DESTDIR, checks what lands there (with the desktop's own validators), runs the
# installed program, then uninstalls it, which must leave only the folders that were there.
#   install_test.sh BUILD-TREE VERSION
set -eu
build=$1 version=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root prefix=$scratch/root/usr/local
fail() { echo "FAIL: $*" >&2; exit 1; }
# As on a fresh Debian system: an empty /usr/local/bin that is not the installation's.
mkdir -p "$prefix/bin"

DESTDIR=$root cmake --install "$build" --prefix /usr/local > /dev/null

for p in zephtor zephtor-setup zephtor-appmgr; do
  [ -x "$prefix/bin/$p" ] && [ -s "$prefix/share/man/man1/$p.1" ] || fail "$p or its manual page"
done
[ -s "$prefix/share/zephtor/Zephtor.htm" ] && [ -s "$prefix/share/icons/hicolor/scalable/apps/zephtor.svg" ] ||
  fail "the help file or the scalable icon"
for n in 16 22 24 32 48 64 128 256; do
  # A PNG's width is the big-endian word at byte 16.
  width=$(od -An -tu4 --endian=big -j16 -N4 "$prefix/share/icons/hicolor/${n}x$n/apps/zephtor.png" | tr -d ' ')
  [ "$width" = "$n" ] || fail "the ${n}x$n icon is $width pixels wide"
done
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
grep -qxF "$(printf '@="/usr/local/bin/zephtor-appmgr"\r')" "$prefix/etc/xdg/zephtor/registry.reg" ||
  fail "the registry does not name /usr/local/bin/zephtor-appmgr in a CR LF line"

# Help opens the installed help file; the viewer runs on its own, so wait for its word.
printf '#!/bin/sh\necho "$1" > "%s/url"\n' "$scratch" > "$scratch/viewer"
chmod +x "$scratch/viewer"
echo 'menu 40004' | ZEPHTOR_HELP_VIEWER=$scratch/viewer "$prefix/bin/zephtor" --headless --script - |
  grep -qx 'exit 0' || fail "the installed zephtor did not end well"
for i in 1 2 3 4 5 6 7 8 9 10; do [ -s "$scratch/url" ] && break; sleep 0.5; done
[ "$(cat "$scratch/url")" = "file://$prefix/share/zephtor/Zephtor.htm#Main_Contents" ] || fail "help opened elsewhere"
[ "$("$prefix/bin/zephtor" --version)" = "zephtor $version" ] || fail "zephtor --version"
usage=$("$prefix/bin/zephtor-setup" --help) || fail "zephtor-setup --help did not end well"
case $usage in "usage: zephtor-setup "*) ;; *) fail "zephtor-setup --help does not start with its usage" ;; esac

DESTDIR=$root cmake -DBUILD="$build" -P "$source/packaging/uninstall.cmake" > /dev/null
[ "$(cd "$root" && find . | sort | tr '\n' ' ')" = ". ./usr ./usr/local ./usr/local/bin " ] ||
  fail "uninstalling left $(cd "$root" && find . -mindepth 4 | tr '\n' ' ')"

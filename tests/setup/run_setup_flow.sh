#!/bin/sh
# Runs the setup program headless on SCRIPT from a folder of the script's choosing, with a
# registry of its choosing, and compares what it printed (the scratch folder's path written
# as SCRATCH), followed by its exit status, with EXPECTED. The script's first line says:
#   # registry=appmgr|longpath|nodefault|none|unreadable folder=PATH
# (longpath: an Application Manager's path that leaves no room for setup.ini)
# PATH is made inside the scratch folder ("/" is the root itself; "LONG" a path too long to
# pass on).
#   run_setup_flow.sh PROGRAM SCRIPT EXPECTED
set -u
program=$1 script=$2 expected=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
header=$(head -n 1 "$script")
registry=${header#*registry=}; registry=${registry%% *}
folder=${header#*folder=}

key='[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\CEAPPMGR.EXE]'
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  case $registry in
    appmgr) printf '%s\r\n@="/opt/App Manager/zephtor-appmgr"\r\n' "$key" ;;
    longpath) printf '%s\r\n@="/opt/%0500d"\r\n' "$key" 0 ;;
    nodefault) printf '%s\r\n"Path"="/opt/App Manager"\r\n' "$key" ;;
  esac
} > "$scratch/registry.reg"
[ "$registry" = unreadable ] && rm "$scratch/registry.reg" && mkdir "$scratch/registry.reg"

case $folder in
  /) here=/ ;;
  LONG)
    here=$scratch
    while [ ${#here} -lt 520 ]; do here=$here/a-folder-name-of-forty-characters-in-all; done
    mkdir -p "$here" ;;
  *) here=$scratch/$folder; mkdir -p "$here" ;;
esac

cd "$here" || exit 1
ZEPHTOR_REGISTRY=$scratch/registry.reg "$program" --headless --script "$script" > "$scratch/output" 2>&1 < /dev/null
echo "status $?" >> "$scratch/output"
sed "s|$scratch|SCRATCH|g; s|\(SCRATCH\)\(/a-folder-name-of-forty-characters-in-all\)*|\1|g" "$scratch/output" |
  diff -u "$expected" -

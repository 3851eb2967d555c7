#!/bin/sh
# Setup gives up, after the notice, where the Application Manager cannot be handed
# setup.ini: a row a case, the registry and the folder as a flow's first line names them
# (see run_setup_flow.sh), the reason setup gives and anything said before it.
#   refusals_test.sh PROGRAM
set -u
program=$1 failed=0 here=$(dirname "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
notice=$(head -n 1 "$here/flows/root.expected")
refuses() {  # REGISTRY FOLDER REASON [SAID]
  printf '# registry=%s folder=%s\ntap 1005\ntap 1001\nanswer ok\nanswer ok\n' "$1" "$2" > "$scratch/script"
  { printf '%s\n' "$notice"; [ -z "${4:-}" ] || printf '%s\n' "$4"
    printf 'msgbox "Setup" "%s Setup cannot continue and will now exit."\nexit 255\nstatus 255\n' "$3"; } > "$scratch/expected"
  "$here/run_setup_flow.sh" "$program" "$scratch/script" "$scratch/expected" || failed=1
}
refuses appmgr LONG "The folder Setup runs from has a name too long to pass to the Application Manager."
refuses longpath setup "The path of the Application Manager is too long for the command line that starts it."
refuses nodefault setup "Unable to locate CeAppMgr.exe."
refuses appmgr 'say "cheese"' \
  "The name of the folder Setup runs from contains a double quote, which cannot be passed to the Application Manager."
# A registry that cannot be read is said, and then read as empty.
refuses unreadable setup "Microsoft ActiveSync not found on this computer." \
  "registry: cannot read SCRATCH/registry.reg: Is a directory"
exit $failed

#!/bin/sh
# The figure program takes an unknown option for what it is: it prints its usage and exits 2,
# and creates no directory named after the option.
set -u
figures=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
for arg in --help -o; do
  "$figures" "$arg" 2>err
  rc=$?
  if [ "$rc" -ne 2 ]; then echo "'$arg': exit $rc, expected 2"; exit 1; fi
  if ! grep -q '^usage: apostila-figures OUTDIR' err; then echo "'$arg': no usage"; cat err; exit 1; fi
  if [ -e "./$arg" ]; then echo "'$arg' became a directory"; exit 1; fi
done
echo ok

#!/usr/bin/env bash
# Installs the build into a throwaway prefix and validates the AppStream metadata found there,
# strictly and offline: the file on its own, then the installed tree, which also finds the
# desktop entry the metadata names as its launchable. Any error, warning, info or pedantic
# note fails (the validator itself passes a file with infos and pedantic notes).
# Usage: appstream-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
command -v appstreamcli >/dev/null ||
  { echo "appstream-check: appstreamcli is not installed (scripts/run-tests installs appstream), skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "appstream-check: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install failed"; }
metainfo=$tmp/usr/share/metainfo/org.example.apostila.metainfo.xml
[[ -f $metainfo ]] || fail "no metadata at share/metainfo/org.example.apostila.metainfo.xml"
for check in "validate $metainfo" "validate-tree $tmp"; do
  out=$(appstreamcli $check --pedantic --no-net 2>&1) || true
  if grep -qE '^ *[EWIP]: ' <<<"$out"; then
    echo "$out"
    fail "appstreamcli ${check%% *} has notes on the metadata"
  fi
done
echo "appstream-check: the metadata and the installed tree validate with no note"

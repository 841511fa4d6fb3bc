#!/usr/bin/env bash
# Builds the Debian package with CPack and runs Debian's own package checker on it: any error
# or warning fails. Its notes of lesser weight (info, pedantic) are shown, and pass.
# Usage: lintian-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/files.sh"
for tool in cpack lintian; do
  command -v "$tool" >/dev/null ||
    { echo "lintian-check: $tool is not installed (scripts/run-tests installs it), skipped"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "lintian-check: $*"; exit 1; }

make_deb "$build" "$tmp"
# lintian warns on stderr that it runs as root, which CI does; that is no finding.
lintian --fail-on error,warning --display-info "$deb" 2>"$tmp/lintian.err" || {
  grep -v 'running with root privileges' "$tmp/lintian.err" || true
  fail "lintian finds errors or warnings in $(basename "$deb")"
}
echo "lintian-check: $(basename "$deb") has no lintian error or warning"

#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control data (name, section, dependencies
# found from the program's libraries), unpacks it into a throwaway root and runs the program
# found there on a private X server.
# Usage: deb-check.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "deb-check: $tool is not installed, skipped"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "deb-check: $*"; exit 1; }

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out") >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack failed"; }
deb=$(ls "$tmp"/out/apostila_*_amd64.deb 2>/dev/null | head -n1)
[[ -n $deb ]] || { cat "$tmp/cpack.log"; fail "no apostila_*.deb made"; }

info=$(dpkg-deb -f "$deb" Package Section Depends)
grep -qx 'Package: apostila' <<<"$info" || fail "package name: $info"
grep -qx 'Section: education' <<<"$info" || fail "section: $info"
grep -q 'libsdl2-2.0-0' <<<"$info" || fail "the dependencies miss SDL: $info"
grep -q 'libc6' <<<"$info" || fail "the dependencies were not found from the program: $info"

dpkg-deb -x "$deb" "$tmp/root"
for f in usr/bin/apostila usr/share/applications/apostila.desktop usr/share/icons/hicolor/48x48/apps/apostila.png; do
  [[ -e $tmp/root/$f ]] || fail "the package lacks /$f"
done
"$here/../x11/run-sdl-smoke.sh" "$here/../x11/course-e2e.sh" openbox "$tmp/root/usr/bin/apostila"
echo "deb-check: $(basename "$deb") built, its dependencies found, and the unpacked program runs"

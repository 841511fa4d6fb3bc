#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control data (name, section, maintainer,
# dependencies found from the program's libraries), that its version is the one its changelog,
# manual pages and metadata give, and that it holds exactly the course's files; then unpacks it
# into a throwaway root and runs the program found there on a private X server.
# Usage: deb-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/files.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "deb-check: $tool is not installed, skipped"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "deb-check: $*"; exit 1; }

make_deb "$build" "$tmp"
info=$(dpkg-deb -f "$deb" Package Section Maintainer Depends)
grep -qx 'Package: apostila' <<<"$info" || fail "package name: $info"
grep -qx 'Section: education' <<<"$info" || fail "section: $info"
grep -qx 'Maintainer: Equipe Apostila <equipe@apostila.invalid>' <<<"$info" || fail "maintainer: $info"
grep -q 'libsdl2-2.0-0' <<<"$info" || fail "the dependencies miss SDL: $info"
grep -q 'libc6' <<<"$info" || fail "the dependencies were not found from the program: $info"

dpkg-deb -x "$deb" "$tmp/root"
check_installed_files "$tmp/root/usr"

# One version everywhere: a release that forgets one of these places shows it here.
version=$(dpkg-deb -f "$deb" Version)
doc=$tmp/root/usr/share
top=$(zcat "$doc/doc/apostila/changelog.gz" | head -n1)
[[ $top == "apostila ($version) "* ]] || fail "the changelog's last entry is not $version: $top"
for page in man/man1/apostila.1.gz man/pt_BR/man1/apostila.1.gz; do
  zcat "$doc/$page" | grep -q "^\.TH APOSTILA 1 .* \"apostila $version\"" || fail "$page is not of $version"
  zcat "$doc/$page" | grep -qx 'apostila \\- .*' || fail "$page has no NAME line 'apostila \\- ...'"
done
latest=$(grep -m1 -o '<release version="[^"]*"' "$doc/metainfo/org.example.apostila.metainfo.xml" || true)
[[ $latest == "<release version=\"$version\"" ]] || fail "the metadata's latest release is not $version: $latest"

"$here/../x11/run-sdl-smoke.sh" "$here/../x11/course-e2e.sh" openbox "$tmp/root/usr/bin/apostila"
echo "deb-check: $(basename "$deb") built, its dependencies, version and files right, and the unpacked program runs"

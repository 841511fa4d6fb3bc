#!/usr/bin/env bash
# Installs the build into a throwaway prefix, as `cmake --install` does for a user, and checks
# what lands there: exactly the course's files, a valid menu entry that task bars tie to the
# program's windows, the icon in every hicolor size. Then the installed program itself is run
# on a private X server by the end-to-end check.
# Usage: install-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/files.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install-check: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install failed"; }
share=$tmp/usr/share

check_installed_files "$tmp/usr"
[[ -x $tmp/usr/bin/apostila ]] || fail "the program at bin/apostila cannot be run"
desktop=$share/applications/org.example.apostila.desktop
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "the menu entry is not valid: $out"
  [[ -z $out ]] || fail "desktop-file-validate warns: $out"
else
  echo "install-check: desktop-file-validate is not installed (see scripts/setup); menu entry not validated"
fi
grep -qx 'Exec=apostila' "$desktop" || fail "the menu entry does not start apostila"
grep -qx 'Icon=apostila' "$desktop" || fail "the menu entry names another icon"
grep -q '^Categories=Education;' "$desktop" || fail "the menu entry is not under Education"
# The class the program gives its windows, so that a task bar groups them under this entry.
grep -qx 'StartupWMClass=Apostila' "$desktop" || fail "the menu entry names no window class Apostila"

for size in "${icon_sizes[@]}"; do
  icon=$share/icons/hicolor/${size}x${size}/apps/apostila.png
  got=$(identify -format '%w %h %[channels]' "$icon")
  [[ $got == "$size $size srgba" ]] || fail "the ${size}x${size} icon is $got"
done

"$here/../x11/run-sdl-smoke.sh" "$here/../x11/course-e2e.sh" openbox "$tmp/usr/bin/apostila"
echo "install-check: installed program, menu entry, icons, metadata, manual pages and licence in place; the installed program runs"

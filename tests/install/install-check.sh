#!/usr/bin/env bash
# Installs the build into a throwaway prefix, as `cmake --install` does for a user, and checks
# what lands there: the program, a valid menu entry, the icon in every hicolor size. Then the
# installed program itself is run on a private X server by the end-to-end check.
# Usage: install-check.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install-check: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install failed"; }
share=$tmp/usr/share

[[ -x $tmp/usr/bin/apostila ]] || fail "no program at bin/apostila"
desktop=$share/applications/apostila.desktop
[[ -f $desktop ]] || fail "no menu entry at share/applications/apostila.desktop"
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "the menu entry is not valid: $out"
  [[ -z $out ]] || fail "desktop-file-validate warns: $out"
else
  echo "install-check: desktop-file-validate is not installed (see scripts/setup); menu entry not validated"
fi
grep -qx 'Exec=apostila' "$desktop" || fail "the menu entry does not start apostila"
grep -qx 'Icon=apostila' "$desktop" || fail "the menu entry names another icon"
grep -q '^Categories=Education;' "$desktop" || fail "the menu entry is not under Education"

for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/apostila.png
  [[ -f $icon ]] || fail "no ${size}x${size} icon"
  got=$(identify -format '%w %h %[channels]' "$icon")
  [[ $got == "$size $size srgba" ]] || fail "the ${size}x${size} icon is $got"
done

# Nothing else may land outside the program's own places.
extra=$(cd "$tmp/usr" && find . -type f | grep -v -e '^./bin/apostila$' -e '^./share/applications/apostila.desktop$' \
  -e '^./share/icons/hicolor/[0-9]*x[0-9]*/apps/apostila.png$' || true)
[[ -z $extra ]] || fail "unexpected files installed: $extra"

"$here/../x11/run-sdl-smoke.sh" "$here/../x11/course-e2e.sh" openbox "$tmp/usr/bin/apostila"
echo "install-check: installed program, menu entry and icons in place; the installed program runs"

#!/usr/bin/env bash
# Installs the build into a throwaway prefix and runs an end-to-end script against the
# installed program: on a private X server under the window manager $2 ("openbox", "icewm" or
# "none"), or, for "no-display", with no display at all. The script ($3, course.sh when not
# given) is called with the installed program and the build's authoring tool.
# Usage: run-e2e.sh BUILD_DIR WM [SCRIPT]
set -euo pipefail
build=$1
wm=$2
here=$(cd "$(dirname "$0")" && pwd)
script=${3:-$here/course.sh}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }
program=$tmp/usr/bin/apostila
tool=$build/tools/apostila-pages/apostila-pages

if [[ $wm == no-display ]]; then
  # One line on stderr and exit 1; nothing on stdout.
  rc=0
  # On a bus of its own, as every test run of the program, away from the caller's desktop.
  # The bus daemon's own complaints (an fd limit it may not raise) are not the program's.
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS dbus-run-session -- \
    sh -c 'exec "$0" >"$1" 2>"$2"' "$program" "$tmp/out" "$tmp/err" 2>"$tmp/bus.log" || rc=$?
  ((rc == 1)) || { echo "e2e (no display): exit code $rc, not 1"; exit 1; }
  [[ ! -s $tmp/out ]] || { echo "e2e (no display): wrote to stdout: $(cat "$tmp/out")"; exit 1; }
  lines=$(wc -l <"$tmp/err")
  ((lines == 1)) || { echo "e2e (no display): $lines lines on stderr:"; cat "$tmp/err"; exit 1; }
  echo "e2e (no display): exit 1 with one line: $(cat "$tmp/err")"
  exit 0
fi
"$here/../x11/run-sdl-smoke.sh" "$script" "$wm" "$program" "$tool"

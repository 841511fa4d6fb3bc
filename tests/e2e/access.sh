#!/usr/bin/env bash
# The course read and driven through the desktop's accessibility bus, with the parts a
# learner's desktop has: the bus launcher of at-spi2-core (which starts the accessibility bus
# and its registry) on the session bus that run-sdl-smoke.sh gives this script, the program,
# and the screen readers' client library (pyatspi) walking it (access_walk.py). The status is
# turned on after the program is up, as a screen reader started later does. Exit 77 (skipped)
# when a part is missing.
# Usage: run-sdl-smoke.sh access.sh WM PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
launcher=/usr/libexec/at-spi-bus-launcher
for need in "$launcher" /usr/bin/dbus-send; do
  [[ -x $need ]] || { echo "access: $need is not installed, skipped"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "access: python3-pyatspi is not installed, skipped"; exit 77; }
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || { echo "access: no session bus of its own"; exit 1; }

tmp=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# The first question to the launcher's name starts it, as on a desktop: the session bus
# activates it (and it goes with that bus at the end).
status() {
  dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled 2>/dev/null
}
within 20 status >/dev/null || { echo "access: the bus launcher did not come up"; exit 1; }

"$program" 2>"$tmp/err" &
pid=$!
within 20 bash -c 'xwininfo -root -tree | grep -q "O Transistor Bipolar de Junção"' ||
  { echo "access: the start page did not show"; cat "$tmp/err"; exit 1; }
set_status() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status "string:$1" "variant:boolean:$2" >/dev/null
}
# Whether the registry lists the course among the desktop's applications.
listed() {
  /usr/bin/python3 -c '
import sys, pyatspi
d = pyatspi.Registry.getDesktop(0)
sys.exit(0 if any(d.getChildAtIndex(i) is not None and d.getChildAtIndex(i).name == "apostila"
                  for i in range(d.childCount)) else 1)' 2>/dev/null
}
unlisted() { ! listed; }
# The program follows the status both ways: on, off, and on again by the screen-reader flag.
listed && { echo "access: the course is on the bus while the status is off"; exit 1; }
set_status IsEnabled true
within 20 listed || { echo "access: the course did not join the bus when the status came on"; cat "$tmp/err"; exit 1; }
set_status IsEnabled false
within 20 unlisted || { echo "access: the course stayed on the bus when the status went off"; exit 1; }
set_status ScreenReaderEnabled true
within 20 listed || { echo "access: the course did not come back for the screen reader"; cat "$tmp/err"; exit 1; }

walk=0
timeout 120 /usr/bin/python3 "$here/access_walk.py" || walk=$?
((walk == 0)) || { echo "access: the walk failed ($walk); the program said:"; cat "$tmp/err"; exit 1; }
within 20 exited "$pid" || { echo "access: the program did not end after Sair -> Yes"; exit 1; }
rc=0
wait "$pid" || rc=$?
pid=
((rc == 0)) || { echo "access: the program ended with $rc"; cat "$tmp/err"; exit 1; }
echo "access: the walk is whole, and the program ended with 0"

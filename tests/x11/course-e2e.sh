#!/usr/bin/env bash
# The real program on a real X server (run inside run-sdl-smoke.sh, which starts Xvfb and the
# window manager): the start page's outer position, the close confirmation answered No with
# Enter and then Yes with Left and Enter, the exit code, the hint of a start-page button, and
# no processor time used while idle.
set -euo pipefail
program=$1
log=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

fail() { echo "course-e2e: $*"; xwininfo -root -tree 2>/dev/null | grep -v 'has no name' | head -40; exit 1; }

# The program's visible window whose title is exactly $1, if any.
find_titled() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && { echo "$id"; return 0; }
  done
  return 1
}
# Waits until such a window shows; prints its id.
window_titled() {
  for _ in $(seq 200); do
    find_titled "$1" && return 0
    sleep 0.05
  done
  return 1
}
gone() {
  for _ in $(seq 200); do
    find_titled "$1" >/dev/null || return 0
    sleep 0.05
  done
  return 1
}
outer_origin() {  # the window's outer top-left corner: client origin less the frame
  local x y left top
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  read -r left _ top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g' || echo "0 0 0 0")
  echo "$((x - ${left:-0})),$((y - ${top:-0}))"
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

"$program" >"$log" 2>&1 &
pid=$!
caption=$(LC_ALL=C.UTF-8 grep -m1 '^  Caption:' "$(dirname "$0")/../../course/pages/formintro.page" | sed 's/^  Caption: "\(.*\)"$/\1/')
start=$(window_titled "$caption") || fail "the start page did not appear"
sleep 0.5
where=$(outer_origin "$start")
[[ $where == "90,30" ]] || fail "the start page is at $where, not 90,30"

# Idle: no processor time over three seconds (one clock tick of slack for where the interval
# happens to cut a tick).
before=$(cpu_ticks)
sleep 3
after=$(cpu_ticks)
(( after - before <= 1 )) || fail "idle for 3 s the program used $((after - before)) ticks of processor time"

# The hint of the first menu button: rest on it, then find the tip window and its text box.
read -r cx cy < <(xwininfo -id "$start" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
xdotool mousemove $((cx + 448 + 8 + 80)) $((cy + 16 + 56 + 24))
sleep 0.6
tip=
for _ in $(seq 40); do
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    # The tip is the one override-redirect window (the task-bar entry's window is not).
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' || continue
    h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
    (( h > 0 && h < 40 )) && tip=$id
  done
  [[ -n $tip ]] && break
  sleep 0.05
done
[[ -n $tip ]] || fail "no hint window after resting on a start-page button"
read -r tx ty tw th < <(xwininfo -id "$tip" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
shot=$(mktemp --suffix=.png)
import -window root "$shot"
colours=$(convert "$shot" -crop "${tw}x${th}+${tx}+${ty}" -unique-colors txt:- 2>/dev/null)
rm -f "$shot"
grep -qi "#FFFFE1" <<<"$colours" || fail "the hint window holds no hint-coloured box"
grep -qi "#000000" <<<"$colours" || fail "the hint window holds no text or border"
xdotool mousemove 1000 750
sleep 0.2

# A close request opens the confirmation; Enter answers No and the program runs on.
wmctrl -ic "$start"
box=$(window_titled "Responder") || fail "no confirmation after the close request"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Return
gone "Responder" || fail "Enter did not close the confirmation"
kill -0 "$pid" 2>/dev/null || fail "the program ended on No"

# A second close request, then Left and Enter: Yes, and the program ends with exit code 0.
wmctrl -ic "$start"
box=$(window_titled "Responder") || fail "no confirmation after the second close request"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Left Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then fail "the program did not end on Yes"; fi
wait "$pid" && rc=0 || rc=$?
[[ $rc -eq 0 ]] || { cat "$log"; fail "exit code $rc"; }
echo "course-e2e: start page at 90,30, idle without processor time, the hint shown, No keeps it running, Yes ends it with 0"

# Helpers for driving the real program on a private X server with xdotool, sourced by the
# end-to-end scripts. Every wait polls for the state it needs with a deadline: the deadlines
# only matter when something is wrong, and a loaded machine is slow.
export LC_ALL=C.UTF-8  # window names are read and compared as UTF-8

# within SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds or the time is up.
within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

num() { printf '%d' "$1"; }
same() { [[ -n $1 && -n $2 ]] && (($(num "$1") == $(num "$2"))); }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
override_redirect() { xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'; }
# The client area's top-left corner on the screen, as "X,Y".
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "," h}'; }
# The frame's top-left corner: the client origin less the frame the window manager reports.
outer_origin() {
  local o left top
  o=$(origin "$1")
  read -r left _ top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '= .*' | tr -d '=,' || true)
  echo "$((${o%,*} - ${left:-0})),$((${o#*,} - ${top:-0}))"
}
# Clicks client point (x, y) of window $1.
click_at() {
  local o
  o=$(origin "$1")
  xdotool mousemove $((${o%,*} + $2)) $((${o#*,} + $3)) click 1
}
point_at() {
  local o
  o=$(origin "$1")
  xdotool mousemove $((${o%,*} + $2)) $((${o#*,} + $3))
}
# Answers Yes on the open confirmation (No is its default button: Left moves to Yes), waits up
# to 20 s for the program with pid $1 (a child of this shell, so not in a subshell) to end, and
# sets `answered` to how: "exit N", or "running" when it did not end.
answer_yes() {
  xdotool key Left Return
  answered=running
  within 20 exited "$1" || return 0
  local rc=0
  wait "$1" || rc=$?
  answered="exit $rc"
}
exited() { ! kill -0 "$1" 2>/dev/null; }

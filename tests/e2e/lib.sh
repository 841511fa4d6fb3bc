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

# need_tools LABEL TOOL...: the script is skipped (exit 77) when a tool is missing.
need_tools() {
  local label=$1 t
  shift
  for t in "$@"; do
    command -v "$t" >/dev/null || { echo "$label: $t is not installed, skipped"; exit 77; }
  done
}

# ---- Driving the course's pages. A script that uses these sets `pid` (the program), `tool`
# (the authoring tool), `app_title` (app_title_of) and `scale` (the screen's device scale,
# 1 when unset), and starts with e2e_begin.
e2e_pages_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../course/pages" && pwd)"

# e2e_begin LABEL: a scratch folder in $tmp, the program killed and the folder removed on exit,
# and `fail MESSAGE`, which names LABEL and $step, lists the program's windows and its output.
e2e_begin() {
  e2e_label=$1
  tmp=$(mktemp -d)
  pid=
  step=start-up
  trap e2e_cleanup EXIT
}
e2e_cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
  rm -rf "$tmp"
}
# Reports on stderr: a failure inside $(...) must not vanish into the captured output.
fail() {
  {
    echo "$e2e_label, $step: $*"
    echo "windows of the program:"
    for id in $(xdotool search --pid "${pid:-0}" 2>/dev/null); do
      echo "  $id \"$(xdotool getwindowname "$id" 2>/dev/null)\" $(viewable "$id" && echo viewable) at $(origin "$id") size $(size_of "$id")"
    done
    [[ -f $tmp/log ]] && { echo "program output:"; cat "$tmp/log"; }
  } >&2
  exit 1
}

# The application title: the program's file name cut at its first ".", all but the first letter
# lower-cased.
app_title_of() {
  local name
  name=$(basename "$1")
  name=${name%%.*}
  echo "${name:0:1}$(tr '[:upper:]' '[:lower:]' <<<"${name:1}")"
}
# The caption page definition $1 gives its window.
caption_of() { grep -m1 '^  Caption:' "$e2e_pages_dir/$1.page" | sed 's/^  Caption: "\(.*\)"$/\1/'; }

# The program's visible page windows: not the application's own window or the message (both
# carry the application title), not the confirmation, not a tool tip.
pages() {
  local id n
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    override_redirect "$id" && continue
    n=$(xdotool getwindowname "$id" 2>/dev/null) || continue
    [[ $n == "$app_title" || $n == Responder ]] && continue
    echo "$id"
  done
}
# The modal message's window: it carries the application title, as the application's own window
# does, which has no size to speak of.
message() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$app_title" ]] || continue
    [[ $(size_of "$id") == 1,1 ]] && continue
    echo "$id"
    return 0
  done
  return 1
}
no_message() { ! message >/dev/null; }
# The one page on the screen is titled $1.
only_page() {
  local p
  p=$(pages)
  [[ $(wc -w <<<"$p") -eq 1 && $(xdotool getwindowname "$p" 2>/dev/null) == "$1" ]]
}
# Where element $2 of page definition $1 lies in its client area, in page pixels: "X Y WIDTH
# HEIGHT", asked of the authoring tool once and remembered in $where.
declare -A where_cache
locate() {
  local key="$1.$2"
  [[ -n ${where_cache[$key]:-} ]] || where_cache[$key]=$("$tool" where "$1" "$2")
  where=${where_cache[$key]}
}
# Clicks, or points at, the middle of element $3 of page definition $2 in window $1, in screen
# pixels: the page's pixels times the device scale. (No subshell: locate remembers in it.)
element_middle() {
  local x y w h s=${scale:-1}
  locate "$1" "$2"
  read -r x y w h <<<"$where"
  mid_x=$(((2 * x + w) * s / 2))
  mid_y=$(((2 * y + h) * s / 2))
}
click_element() {
  element_middle "$2" "$3"
  click_at "$1" "$mid_x" "$mid_y"
}
point_element() {
  element_middle "$2" "$3"
  point_at "$1" "$mid_x" "$mid_y"
}

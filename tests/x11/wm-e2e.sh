#!/usr/bin/env bash
# The real program under a window manager (run inside run-sdl-smoke.sh, which starts Xvfb and
# openbox or icewm), as a learner meets it: the window titles as the desktop reads them, the
# program's one task-bar entry (read from _NET_CLIENT_LIST and _NET_WM_STATE) with its minimise,
# restore and close, the first click after another program had the focus, the modal message
# minimised and brought back by a click on its page, a page's own close box, a page destroyed
# from outside, and SIGTERM ending the program with 0 after all that.
set -euo pipefail
program=$1
wm=${APOSTILA_X11_WM:-openbox}
for tool in xprop xwininfo xdotool wmctrl xlogo; do
  command -v "$tool" >/dev/null || { echo "wm-e2e: $tool is not installed, skipped"; exit 77; }
done
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"  # within, viewable, origin, click_at ...
log=$(mktemp)
pid=
other=
cleanup() {
  [[ -n $other ]] && kill "$other" 2>/dev/null
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
  rm -f "$log"
}
trap cleanup EXIT

fail() {
  echo "wm-e2e ($wm): $*"
  echo "our windows:"
  for id in $(ours); do echo "  $id $(xprop -id "$id" _NET_WM_NAME _NET_WM_STATE 2>/dev/null | tr '\n' ' ')"; done
  echo "program output:"; cat "$log"
  exit 1
}

# The managed windows of the program: its clients in _NET_CLIENT_LIST.
ours() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
    [[ $(xprop -id "$id" _NET_WM_PID 2>/dev/null) == *" = $pid" ]] && echo "$id"
  done
}
name_of() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
state_of() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }
# What a task bar lists for the program: its clients that do not skip the task bar.
entries() {
  local id
  for id in $(ours); do [[ $(state_of "$id") == *_NET_WM_STATE_SKIP_TASKBAR* ]] || echo "$id"; done
}
titled() {
  local id
  for id in $(ours); do [[ $(name_of "$id") == "$1" ]] && { echo "$id"; return 0; }; done
  return 1
}
hidden() { ! viewable "$1"; }
active() { xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*'; }
is_active() { same "$(active)" "$1"; }
gone() { ! titled "$1" >/dev/null; }

name=$(basename "$program")
name=${name%%.*}
title="${name:0:1}$(tr '[:upper:]' '[:lower:]' <<<"${name:1}")"  # the application title's rule
caption=$(grep -m1 '^  Caption:' "$here/../../course/pages/formintro.page" | sed 's/^  Caption: "\(.*\)"$/\1/')

"$program" >"$log" 2>&1 &
pid=$!
within 30 titled "$caption" >/dev/null || fail "the start page did not appear"
start=$(titled "$caption")

# Titles: the desktop reads WM_NAME as Latin-1 (or compound text); UTF-8 bytes there show as
# "JunÃ§Ã£o".
wm_name=$(xprop -id "$start" WM_NAME)
[[ $wm_name =~ ^WM_NAME\((STRING|COMPOUND_TEXT)\)\ =\ \"(.*)\"$ && ${BASH_REMATCH[2]} == "$caption" ]] ||
  fail "the start page's WM_NAME reads $wm_name"

# One entry, the application's, captioned with the application title; the page has none.
one_entry() { [[ $(entries | wc -l) -eq 1 ]]; }
within 10 one_entry || fail "not one task-bar entry: $(entries | tr '\n' ' ')"
entry=$(entries)
[[ $(name_of "$entry") == "$title" ]] || fail "the task-bar entry is captioned \"$(name_of "$entry")\", not \"$title\""

# The first click after another program had the focus: "Questões" opens question 1.
xlogo -geometry 120x120+860+560 >/dev/null 2>&1 &
other=$!
xlogo_active() { [[ $(xprop -id "$(active)" WM_CLASS 2>/dev/null) == *'"xlogo"'* ]]; }
within 10 xlogo_active || fail "the other program did not take the focus"
click_at "$start" 536 346
within 10 titled "Questão 1" >/dev/null || fail "the first click after another program had the focus was lost"
page=$(titled "Questão 1")
kill "$other"
other=
within 10 is_active "$page" || fail "question 1 did not take the focus"

# The modal message: minimised from outside, a click on its disabled page brings it back.
click_at "$page" 79 103
message_up() {
  local id
  for id in $(ours); do
    [[ $(name_of "$id") == "$title" && $(xprop -id "$id" _NET_WM_WINDOW_TYPE) == *DIALOG* ]] && viewable "$id" &&
      { echo "$id"; return 0; }
  done
  return 1
}
within 10 message_up >/dev/null || fail "no message after an answer"
message=$(message_up)
within 10 is_active "$message" || fail "the message did not take the focus"
xdotool windowminimize "$message"
# Some window managers honour the message's hints and refuse; the others minimise it.
if within 3 hidden "$message"; then
  click_at "$page" 400 12
  within 10 viewable "$message" || fail "a click on the disabled page left the minimised message off the screen"
  within 10 is_active "$message" || fail "the message brought back has no focus"
fi
xdotool key Return
within 10 hidden "$message" || fail "Enter did not close the message"
within 10 is_active "$page" || fail "the page did not get the focus back from the message"

# Minimising the entry takes every page off the screen; restoring brings them back, with the
# focus and without OnActivate (which would put the page back at 90,30).
before=$(origin "$page")
xdotool windowmove "$page" 300 200
moved() { [[ $(origin "$page") != "$before" ]]; }
within 10 moved || fail "the page could not be moved"
# The window manager may place the frame in more than one step: take the place it settles at.
settled() {
  local a
  a=$(origin "$page")
  sleep 0.2
  [[ $(origin "$page") == "$a" ]]
}
within 10 settled || fail "the moved page did not come to rest"
where=$(origin "$page")
xdotool windowminimize "$entry"
entry_minimised() { [[ $(state_of "$entry") == *_NET_WM_STATE_HIDDEN* ]] && hidden "$page"; }
within 10 entry_minimised || fail "minimising the task-bar entry left the page on the screen"
wmctrl -i -a "$entry"
within 10 viewable "$page" || fail "restoring the task-bar entry did not bring the page back"
within 10 is_active "$page" || fail "the page came back without the focus"
back_where() { [[ $(origin "$page") == "$where" ]]; }
within 5 back_where || fail "the page moved from $where to $(origin "$page") on restore: OnActivate ran"

# Close on the entry asks the start page's confirmation, though the start page is hidden; No
# changes nothing.
hidden "$start" || fail "the start page is on the screen behind question 1"
wmctrl -i -c "$entry"
within 10 titled "Responder" >/dev/null || fail "Close on the task-bar entry asked nothing"
box=$(titled "Responder")
xdotool windowactivate "$box" >/dev/null 2>&1 || true
within 10 is_active "$box" || fail "the confirmation has no focus"
xdotool key Return
within 10 gone "Responder" || fail "Enter did not answer the confirmation"
viewable "$page" && hidden "$start" || fail "answering No changed the pages on the screen"

# A page destroyed from outside is made again, and the program goes on.
xdotool windowclose "$page"
page_again() { titled "Questão 1" >/dev/null && ! same "$(titled "Questão 1")" "$page" && viewable "$(titled "Questão 1")"; }
within 10 page_again || fail "the destroyed page did not come back"
page=$(titled "Questão 1")
kill -0 "$pid" 2>/dev/null || fail "the program ended when a page was destroyed"

# The page's own close hides that page only: no question, and no entry is left.
wmctrl -i -c "$page"
no_entry() { hidden "$page" && [[ -z $(entries) ]]; }
within 10 no_entry || fail "the page's close left $(entries | wc -l) entries and the page $(viewable "$page" && echo shown || echo hidden)"
gone "Responder" || fail "the page's own close asked the confirmation"
kill -0 "$pid" 2>/dev/null || fail "the program ended with its last page closed"

# SIGTERM ends it, with 0.
kill -TERM "$pid"
ended() { ! kill -0 "$pid" 2>/dev/null; }
within 20 ended || fail "SIGTERM did not end the program"
rc=0
wait "$pid" || rc=$?
pid=
[[ $rc -eq 0 ]] || fail "SIGTERM ended the program with $rc"
! grep -q "X Error" "$log" || fail "X errors on the way out"
echo "wm-e2e ($wm): titles, one entry, first click, the message brought back, entry minimise/restore/close, a page's close, a destroyed page, SIGTERM 0"

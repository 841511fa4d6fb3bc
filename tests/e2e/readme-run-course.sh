#!/usr/bin/env bash
# The README's first command as a newcomer types it, from the source root, with the tree under
# test as the build (run inside tests/x11/run-sdl-smoke.sh, which starts a private Xvfb): the
# command must set up, build and start the course; the start page shows, "Sair" asks, Yes ends
# the program with 0.
# Usage: readme-run-course.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
tool=$build/tools/apostila-pages/apostila-pages
for t in xdotool xwininfo; do
  command -v "$t" >/dev/null || { echo "readme: $t is not installed, skipped"; exit 77; }
done
source "$src/tests/e2e/lib.sh"
log=$(mktemp)
pid=
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
  rm -f "$log"
}
trap cleanup EXIT
fail() { echo "readme (run-course): $*"; echo "its output:"; cat "$log"; exit 1; }

# The command exactly as the README's first block gives it.
command=$(awk '/^```sh$/ {inside = 1; next} inside && /^```$/ {exit} inside' "$src/README.md" |
  sed -n 's/^\(\.\/scripts\/run-course\)\( .*\)\?$/\1/p')
[[ $command == ./scripts/run-course ]] || fail "the README's first block does not give ./scripts/run-course"

# The script execs the program, so the process it starts is the course itself.
(cd "$src" && APOSTILA_BUILD=$build exec $command) >"$log" 2>&1 &
pid=$!

caption=$(grep -m1 '^  Caption:' "$src/course/pages/formintro.page" | sed 's/^  Caption: "\(.*\)"$/\1/')
find_start() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$caption" ]] && { echo "$id"; return 0; }
  done
  return 1
}
# Setting up checks every package and the build before the program starts: a generous deadline.
shown_or_ended() { find_start >/dev/null || ! kill -0 "$pid" 2>/dev/null; }
within 120 shown_or_ended || fail "the start page did not show"
find_start >/dev/null || fail "the command ended before the start page showed"
start=$(find_start)

read -r x y w h < <("$tool" where formintro BtnSair)
asking() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == Responder ]] && return 0
  done
  return 1
}
click_at "$start" $((x + w / 2)) $((y + h / 2))
within 20 asking || fail "\"Sair\" asked nothing"
answer_yes "$pid"
[[ $answered != running ]] || fail "the program did not end on Yes"
pid=
[[ $answered == "exit 0" ]] || fail "Yes ended the command with $answered"
echo "readme: ./scripts/run-course set up, started the course, and ended with 0 on \"Sair\" and Yes"

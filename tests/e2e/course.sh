#!/usr/bin/env bash
# The installed program as a learner drives it, on a private X server (run inside
# tests/x11/run-sdl-smoke.sh, which starts Xvfb and openbox or no window manager): start-up,
# every start-page button and back, the thirteen topics, a whole chain forward and back, a page
# dragged away and shown again, the hints, the hover reveal of "Teoria 19", a quiz pass to the
# conclusion page whose counters match the headless renderer, "Repetir", and the exit
# confirmation answered No and then Yes. Under a window manager a second run closes a page's
# close box. Element positions come from the authoring tool (`where`), never typed in.
# Usage: course.sh PROGRAM TOOL
set -euo pipefail
program=$1
tool=$2
wm=${APOSTILA_X11_WM:-none}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
need_tools e2e xdotool xwininfo xprop import compare
e2e_begin "e2e ($wm)"
app_title=$(app_title_of "$program")
course_title=$(caption_of formintro)

# The program's visible window titled $1 (a page or the confirmation).
titled() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && ! override_redirect "$id" && { echo "$id"; return 0; }
  done
  return 1
}
# Waits for page $1 alone on the screen, at (90, 30); prints its window.
expect_page() {
  within 20 only_page "$1" || fail "expected only \"$1\" on the screen, found: $(for p in $(pages); do printf '"%s" ' "$(xdotool getwindowname "$p")"; done)"
  # Pages are placed at (90, 30) as they come up; the frame may settle in more than one step.
  local p
  p=$(pages)
  at_home() { [[ $(outer_origin "$p") == "90,30" ]]; }
  within 10 at_home || fail "\"$1\" is at $(outer_origin "$p"), not 90,30"
  echo "$p"
}
# The client-area crop of element $3 of page $2 from a screenshot of window $1.
crop_element() {
  local o x y w h
  o=$(origin "$1")
  locate "$2" "$3"
  read -r x y w h <<<"$where"
  import -window root "$tmp/screen.png"
  convert "$tmp/screen.png" -crop "${w}x${h}+$((${o%,*} + x))+$((${o#*,} + y))" +repage "$4"
}
# Closes the modal message, by Enter or with the mouse on its OK button.
dismissals=0
dismiss_message() {
  within 20 message >/dev/null || fail "no message after the answer"
  local m s
  m=$(message)
  if ((dismissals++ % 2 == 0)); then
    xdotool key Return
  else
    # One OK button, centred at the foot of the box, a font height above its bottom edge.
    s=$(size_of "$m")
    click_at "$m" $((${s%,*} / 2)) $((${s#*,} - 24))
  fi
  within 20 no_message || fail "the message stayed open"
}

"$program" >"$tmp/log" 2>&1 &
pid=$!

# Start-up: one page, the course title, its frame at (90, 30).
start=$(expect_page "$course_title")

# The hint of a start-page button after resting on it, then the next button's at once.
step=hints
tip_over() {
  local id o s
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    override_redirect "$id" || continue
    s=$(size_of "$id")
    ((${s#*,} > 0 && ${s#*,} < 40)) && { origin "$id"; return 0; }
  done
  return 1
}
point_element "$start" formintro BtnCurso
within 10 tip_over >/dev/null || fail "no hint after resting on \"Introdução\""
first_tip=$(tip_over)
point_element "$start" formintro BtnHabilidades
moved_tip() { local t; t=$(tip_over) && [[ $t != "$first_tip" ]]; }
within 10 moved_tip || fail "the next button's hint did not follow"
xdotool mousemove 1000 750

# Each start-page button and back.
step="start-page buttons"
for pair in "BtnCurso Form1 Introdução" "BtnHabilidades Form2 Habilidades" "BtnCompetencias Form3 Competências"; do
  read -r button form caption <<<"$pair"
  click_element "$start" formintro "$button"
  page=$(expect_page "$caption")
  click_element "$page" "$form" SpeedButton1
  start=$(expect_page "$course_title")
done

# The thirteen topics, each into the first page of its chain and back to the menu.
step=topics
menu_title=$(grep -m1 '^  Caption:' "$here/../../course/pages/Form4.page" | sed 's/^  Caption: "\(.*\)"$/\1/')
click_element "$start" formintro BtnConteudo
menu=$(expect_page "$menu_title")
firsts=(5 7 9 13 16 19 21 23 26 35 42 51 61)
for i in "${!firsts[@]}"; do
  n=${firsts[$i]}
  click_element "$menu" Form4 "SpeedButton$((i + 3))"
  page=$(expect_page "Teoria $((n - 4))")
  click_element "$page" "Form$n" SpeedButton1
  menu=$(expect_page "$menu_title")
done

# One whole chain forward and back: topic 12, "Teoria 47" to "Teoria 56"; on the way a page is
# dragged away and comes back to (90, 30) when next shown.
step="a chain"
click_element "$menu" Form4 SpeedButton14
for n in $(seq 51 60); do
  page=$(expect_page "Teoria $((n - 4))")
  if ((n == 55)); then
    xdotool windowmove "$page" 300 200
    moved() { [[ $(outer_origin "$page") != "90,30" ]]; }
    within 10 moved || fail "the page could not be dragged"
  fi
  ((n < 60)) && click_element "$page" "Form$n" SpeedButton3
done
for n in $(seq 60 -1 51); do
  page=$(expect_page "Teoria $((n - 4))")
  click_element "$page" "Form$n" SpeedButton1
done
menu=$(expect_page "$menu_title")

# The hover reveal on "Teoria 19": the pointer on its heading shows the green panel.
step="hover reveal"
click_element "$menu" Form4 SpeedButton10
page=$(expect_page "Teoria 19")
green_pixels() {
  crop_element "$page" Form23 Panel2 "$tmp/reveal.png"
  convert "$tmp/reveal.png" -fill black +opaque '#C0DCC0' -fill white -opaque '#C0DCC0' -format '%[fx:int(mean*w*h)]' info:
}
revealed() { (($(green_pixels) > 10000)); }
concealed() { (($(green_pixels) < 100)); }
concealed || fail "the explanation shows before the pointer rests on the heading"
point_element "$page" Form23 Label1
within 10 revealed || fail "resting on the heading did not reveal the explanation"
xdotool mousemove 1000 750
within 10 concealed || fail "the explanation stayed after the pointer left"
click_element "$page" Form23 SpeedButton1
menu=$(expect_page "$menu_title")
click_element "$menu" Form4 SpeedButton1
start=$(expect_page "$course_title")

# A quiz pass: right at once, wrong then right, and wrong twice, in turn; each message closed
# once with Enter and once with the mouse. Right letters from the answer key, in order.
step="quiz pass"
right=(C B A C E D C A A B C D E A E B D E A D)
walk=(--click BtnQuestoes)
click_element "$start" formintro BtnQuestoes
for q in $(seq 1 20); do
  n=$((q + 64))
  page=$(expect_page "Questão $q")
  r=${right[$((q - 1))]}
  wrong=()
  for l in A B C D E; do [[ $l != "$r" ]] && wrong+=("$l"); done
  case $((q % 3)) in
    1) answers=("$r") ;;
    2) answers=("${wrong[0]}" "$r") ;;
    0) answers=("${wrong[0]}" "${wrong[1]}") ;;
  esac
  for l in "${answers[@]}"; do
    click_element "$page" "Form$n" "BtnResposta$l"
    dismiss_message
    walk+=(--click "BtnResposta$l")
  done
  click_element "$page" "Form$n" BtnAvancar
  walk+=(--click BtnAvancar)
done
page=$(expect_page "Conclusão")
"$tool" render formintro "$tmp/expected.png" "${walk[@]}"
for panel in PnlCertas PnlErradas; do
  crop_element "$page" Form85 "$panel" "$tmp/shown-$panel.png"
  locate Form85 "$panel"
  read -r x y w h <<<"$where"
  convert "$tmp/expected.png" -crop "${w}x${h}+$x+$y" +repage "$tmp/expected-$panel.png"
  differ=$(compare -metric AE "$tmp/shown-$panel.png" "$tmp/expected-$panel.png" null: 2>&1 || true)
  [[ $differ == 0 ]] || fail "$panel differs from the headless render in $differ pixels"
done

# "Repetir": question 1 again, with its counters back at zero.
step=Repetir
click_element "$page" Form85 BtnAvancar
page=$(expect_page "Questão 1")
"$tool" render Form65 "$tmp/fresh.png"
crop_element "$page" Form65 PnlCertas "$tmp/shown-again.png"
locate Form65 PnlCertas
read -r x y w h <<<"$where"
convert "$tmp/fresh.png" -crop "${w}x${h}+$x+$y" +repage "$tmp/fresh-certas.png"
differ=$(compare -metric AE "$tmp/shown-again.png" "$tmp/fresh-certas.png" null: 2>&1 || true)
[[ $differ == 0 ]] || fail "after \"Repetir\" the right-answer counter is not back at zero ($differ pixels differ)"

# "Sair": the confirmation answered No keeps the page, then Yes ends the program with 0.
step=exit
confirmation() { titled Responder >/dev/null; }
no_confirmation() { ! confirmation; }
click_element "$page" Form65 BtnSair
within 20 confirmation || fail "\"Sair\" asked nothing"
xdotool key Return
within 20 no_confirmation || fail "Enter did not answer the confirmation"
page=$(expect_page "Questão 1")
kill -0 "$pid" || fail "the program ended on No"
click_element "$page" Form65 BtnSair
within 20 confirmation || fail "\"Sair\" asked nothing the second time"
answer_yes "$pid"
[[ $answered != running ]] || fail "the program did not end on Yes"
pid=
[[ $answered == "exit 0" ]] || fail "Yes ended the program with $answered"

# A page's close box hides that page only, asking nothing (only a window manager gives pages
# close boxes).
if [[ $wm != none ]]; then
  step="close box"
  "$program" >"$tmp/log" 2>&1 &
  pid=$!
  start=$(expect_page "$course_title")
  click_element "$start" formintro BtnCurso
  page=$(expect_page Introdução)
  wmctrl -ic "$page"
  nothing_shown() { [[ -z $(pages) ]]; }
  within 20 nothing_shown || fail "the close box left pages on the screen"
  no_confirmation || fail "the close box asked the confirmation"
  kill -0 "$pid" || fail "the program ended when its page was closed"
  kill -TERM "$pid"
  within 20 exited "$pid" || fail "SIGTERM did not end the program"
  pid=
fi

echo "e2e ($wm): start-up, hints, start-page buttons, 13 topics, a chain with a dragged page, the hover reveal, a quiz pass with its counters, Repetir, No then Yes$([[ $wm != none ]] && echo ", a close box")"

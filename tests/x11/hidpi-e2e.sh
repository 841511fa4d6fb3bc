#!/usr/bin/env bash
# The program on a 2560 x 1600 screen whose desktop asks for twice the size (Xft.dpi 192 in
# the root window's resource database, as desktops set it for a scale of 2), run inside
# run-sdl-smoke.sh with no window manager or under openbox: the start page at twice its size and place, drawn for the screen rather than
# enlarged (its text differs from the 1x render doubled pixel for pixel), the hint beside the
# pointer, and clicks at doubled coordinates on a topic, on a question's answer and on the modal
# message's button, the hover reveal of "Teoria 19", and the exit confirmation. Element
# positions come from the authoring tool (`where`, in page pixels), never typed in.
# Usage: hidpi-e2e.sh PROGRAM TOOL
set -euo pipefail
program=$1
tool=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
need_tools hidpi-e2e xdotool xwininfo xprop import convert compare
e2e_begin hidpi-e2e
scale=2
app_title=$(app_title_of "$program")
course_title=$(caption_of formintro)
menu_title=$(caption_of Form4)
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t192\n')"

# Where a page's client area belongs at scale 2, "X,Y W,H": the window manager's frame (in
# screen pixels) counts as the whole page pixels it covers; the client area is twice the page's
# 648 x 514 less that frame, at twice (90, 30) plus that frame.
home_of() {
  local ext l r t b
  ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '= .*' | tr -d '=,' || true)
  read -r l r t b <<<"${ext:-0 0 0 0}"
  l=$(((l + 1) / 2)) r=$(((r + 1) / 2)) t=$(((t + 1) / 2)) b=$(((b + 1) / 2))
  echo "$((2 * (90 + l))),$((2 * (30 + t))) $((2 * (648 - l - r))),$((2 * (514 - t - b)))"
}
# Waits for page $1 alone on the screen, twice its size at twice (90, 30); prints its window.
expect_page() {
  within 20 only_page "$1" || fail "expected only \"$1\" on the screen"
  local p
  p=$(pages)
  at_home() { [[ "$(origin "$p") $(size_of "$p")" == "$(home_of "$p")" ]]; }
  within 10 at_home || fail "\"$1\" is at $(origin "$p") and $(size_of "$p"), not $(home_of "$p")"
  echo "$p"
}

"$program" >"$tmp/log" 2>&1 &
pid=$!
start=$(expect_page "$course_title")
# The icon offered at twice its size too (pixel art, its pixels repeated). The program may set
# it a moment after the window shows.
has_big_icon() { xprop -id "$start" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (64 x 64)'; }
within 5 has_big_icon || fail "no 64 x 64 icon on the start page"
xdotool mousemove 2550 1590
sleep 0.3

# Twice the size: the screenshot, halved, is the 1x render; drawn for the screen: in the text of
# the left panel it differs from the 1x render doubled pixel for pixel.
step="drawn at twice the size"
"$tool" render formintro "$tmp/at1x.png"
read -r rw rh <<<"$(identify -format '%w %h' "$tmp/at1x.png")"
import -window root "$tmp/screen.png"
o=$(origin "$start")
convert "$tmp/screen.png" -crop "$((2 * rw))x$((2 * rh))+${o%,*}+${o#*,}" +repage "$tmp/at2x.png"
convert "$tmp/at2x.png" -scale 50% "$tmp/halved.png"
mae=$(compare -metric MAE "$tmp/halved.png" "$tmp/at1x.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/' || true)
awk -v m="$mae" 'BEGIN { exit !(m < 0.03) }' || fail "halved, the 2x page is not the 1x render (mean difference $mae)"
convert "$tmp/at1x.png" -sample 200% "$tmp/doubled.png"
locate formintro Panel1
read -r x y w h <<<"$where"
crop="$((2 * w))x$((2 * h))+$((2 * x))+$((2 * y))"
convert "$tmp/at2x.png" -crop "$crop" +repage "$tmp/text-2x.png"
convert "$tmp/doubled.png" -crop "$crop" +repage "$tmp/text-doubled.png"
differ=$(compare -metric AE "$tmp/text-2x.png" "$tmp/text-doubled.png" null: 2>&1 || true)
((differ >= 5000)) || fail "the text differs from the doubled 1x render in only $differ pixels"

# The hint of a start-page button: beside the pointer, below its shape.
step=hint
tip() {
  local id s
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    override_redirect "$id" || continue
    s=$(size_of "$id")
    ((${s#*,} > 20 && ${s#*,} < 80)) && { origin "$id"; return 0; }
  done
  return 1
}
point_element "$start" formintro BtnCurso
within 10 tip >/dev/null || fail "no hint after resting on \"Introdução\""
read -r px py < <(xdotool getmouselocation --shell | awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} END {print x, y}')
t=$(tip)
tx=${t%,*} ty=${t#*,}
((tx >= px - 2 && tx <= px && ty > py && ty <= py + 80)) || fail "the hint is at $t, not beside the pointer at $px,$py"
xdotool mousemove 2550 1590

# A topic of the contents menu, and back.
step=topic
click_element "$start" formintro BtnConteudo
menu=$(expect_page "$menu_title")
click_element "$menu" Form4 SpeedButton3
page=$(expect_page "Teoria 1")
click_element "$page" Form5 SpeedButton1
menu=$(expect_page "$menu_title")

# The hover reveal on "Teoria 19".
step="hover reveal"
click_element "$menu" Form4 SpeedButton10
page=$(expect_page "Teoria 19")
green_pixels() {
  local x y w h o
  locate Form23 Panel2
  read -r x y w h <<<"$where"
  o=$(origin "$page")
  import -window root "$tmp/screen.png"
  convert "$tmp/screen.png" -crop "$((2 * w))x$((2 * h))+$((${o%,*} + 2 * x))+$((${o#*,} + 2 * y))" +repage \
    -fill black +opaque '#C0DCC0' -fill white -opaque '#C0DCC0' -format '%[fx:int(mean*w*h)]' info:
}
revealed() { (($(green_pixels) > 40000)); }
concealed() { (($(green_pixels) < 400)); }
concealed || fail "the explanation shows before the pointer rests on the heading"
point_element "$page" Form23 Label1
within 10 revealed || fail "resting on the heading did not reveal the explanation"
xdotool mousemove 2550 1590
within 10 concealed || fail "the explanation stayed after the pointer left"
click_element "$page" Form23 SpeedButton1
menu=$(expect_page "$menu_title")
click_element "$menu" Form4 SpeedButton1
start=$(expect_page "$course_title")

# A question's right answer, and the message's button.
step=question
click_element "$start" formintro BtnQuestoes
page=$(expect_page "Questão 1")
click_element "$page" Form65 BtnRespostaC
within 20 message >/dev/null || fail "no message after the answer"
m=$(message)
s=$(size_of "$m")
# The one OK button, centred at the foot of the box: about a font height and a half above its
# bottom edge, twice that on this screen.
click_at "$m" $((${s%,*} / 2)) $((${s#*,} - 48))
within 20 no_message || fail "a click on the message's button did not close it"

step=exit
confirmation() { xdotool search --onlyvisible --name '^Responder$' >/dev/null 2>&1; }
click_element "$page" Form65 BtnSair
within 20 confirmation || fail "\"Sair\" asked nothing"
answer_yes "$pid"
[[ $answered != running ]] || fail "the program did not end on Yes"
pid=
[[ $answered == "exit 0" ]] || fail "Yes ended the program with $answered"
echo "hidpi-e2e: pages at twice the size and place, text drawn for the screen ($differ pixels apart from the doubled 1x render), the hint beside the pointer, a topic, the hover reveal, an answer and its message, and the exit"

#!/usr/bin/env bash
# The definitions embedded in the tool: all 86 come out, each dumps to a source that compiles
# back to the same bytes (self-contained, and on its frame for the theory and question pages),
# and the first theory page begins exactly as the stored layout says.
set -euo pipefail
tool=$1
compiled=$2  # the definitions this build compiled: the embedded ones must be exactly these
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" extract "$work/defs" >/dev/null
count=$(ls "$work/defs" | wc -l)
[[ $count -eq 86 ]] || { echo "extract gave $count files, not 86"; exit 1; }
for name in TFORMINTRO $(seq -f 'TFORM%g' 1 85); do
  [[ -f $work/defs/$name ]] || { echo "missing $name"; exit 1; }
done

for def in "$work"/defs/*; do
  name=$(basename "$def")
  cmp -s "$def" "$compiled/$name" || { echo "$name: the embedded definition is not the one compiled from its source"; exit 1; }
  "$tool" dump "$def" >"$work/$name.page"
  "$tool" compile "$work/$name.page" "$work/$name.again"
  cmp -s "$def" "$work/$name.again" || { echo "$name: dump and compile do not reproduce the bytes"; exit 1; }
  "$tool" json "$def" >/dev/null
done

# The theory and question pages in their short form on their frames compile back to the same
# bytes too.
frames=$(cd "$(dirname "$0")/../../course/pages/frames" && pwd)
mkdir -p "$work/short/frames"
cp "$frames"/*.frame "$frames"/*.styles "$work/short/frames/"
for n in $(seq 5 84); do
  frame=theory.frame
  ((n >= 65)) && frame=question.frame
  short=$work/short/Form$n.page
  "$tool" dump "$work/defs/TFORM$n" --frame "$frames/$frame" -I "$compiled/../pictures" >"$short"
  grep -q "on frame \"$frame\"" "$short" || { echo "TFORM$n: no short form"; exit 1; }
  "$tool" compile "$short" "$work/short/TFORM$n" -I "$compiled/../pictures"
  cmp -s "$work/defs/TFORM$n" "$work/short/TFORM$n" || { echo "TFORM$n: the short form does not give the bytes back"; exit 1; }
done

expected="54504630065446 6f726d3505466f726d35044c656674025a03546f70021e05576964746803880206486569676874030202"
expected+="0743617074696f6e06085465 6f726961203105436f6c6f7207 07636c426c61636b"
expected=${expected// /}
actual=$(head -c $(( ${#expected} / 2 )) "$work/defs/TFORM5" | od -An -tx1 -v | tr -d ' \n')
[[ $actual == "$expected" ]] || { echo "TFORM5 begins $actual"; exit 1; }

# A broken file is reported with where it breaks, and nothing crashes.
head -c 40 "$work/defs/TFORM5" >"$work/cut"
if "$tool" dump "$work/cut" 2>"$work/err"; then echo "a cut definition was accepted"; exit 1; fi
grep -q "Stream read error (at byte" "$work/err" || { cat "$work/err"; exit 1; }
echo "86 definitions: extract, dump, compile and json agree; 80 short forms on frames compile back"

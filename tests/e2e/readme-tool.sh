#!/usr/bin/env bash
# The README's authoring-tool examples, line by line as they stand, from the source root, with
# "build/" in them standing for the tree under test. Each must succeed and give what it says:
# a definition, its source, its JSON, and the 86 embedded definitions.
# Usage: readme-tool.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
cd "$src"
fail() { echo "readme (authoring tool): $*"; exit 1; }

mapfile -t lines < <(grep '^build/tools/apostila-pages/apostila-pages ' README.md)
((${#lines[@]} >= 4)) || fail "the README gives ${#lines[@]} tool examples, expected compile, dump, json and extract"
# What the examples write lands in the build tree; start from nothing there.
rm -rf "$build/TFORM5" "$build/defs"
trap 'rm -rf "$build/TFORM5" "$build/defs" "$build/readme-out"' EXIT

for line in "${lines[@]}"; do
  line=${line%%#*}                                         # the README's comment
  run=$(sed "s#\(^\| \)build/#\1$build/#g" <<<"$line")
  [[ $run != *" /tmp"* ]] || fail "an example writes outside the build tree: $line"
  bash -c "set -euo pipefail; $run" >"$build/readme-out" 2>&1 || {
    cat "$build/readme-out"; fail "failed: $line"; }
  case $line in
    *" compile "*) [[ $(head -c4 "$build/TFORM5") == TPF0 ]] || fail "compile wrote no definition: $line" ;;
    *" dump "*) grep -q '^TForm5 Form5' "$build/readme-out" || fail "dump printed no source of Form5: $line" ;;
    *" json "*) python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$build/readme-out" || fail "json printed no JSON: $line" ;;
    *" extract "*) n=$(find "$build/defs" -type f | wc -l); ((n == 86)) || fail "extract wrote $n definitions, not 86: $line" ;;
    *) fail "an example the test does not know how to check: $line" ;;
  esac
  echo "ok: $line"
done

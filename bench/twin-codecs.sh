#!/usr/bin/env bash
# Measures the two codecs considered for the pictures' twins on the twins this build drew
# (build/course/pictures/2x): the size of all of them compressed one by one, and the time to
# decompress the largest (the curves of Teoria 19, a whole picture at twice the size), with each
# tool's own benchmark mode. Needs the zstd and lz4 command-line tools (apt-get install zstd lz4).
#   bench/twin-codecs.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
twins=${1:-$here/build}/course/pictures/2x
[[ -d $twins ]] || { echo "no twins in $twins: build first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
raw=0
for f in "$twins"/*.bmp; do raw=$((raw + $(stat -c %s "$f"))); done
largest=$(ls -S "$twins"/*.bmp | head -1)
printf '%-10s %12s %14s\n' codec "all twins" "largest, MB/s"
printf '%-10s %12s %14s\n' none "$raw" -
for codec in "zstd -19" "zstd -9" "lz4 -12" "lz4 -9"; do
  set -- $codec
  total=0
  for f in "$twins"/*.bmp; do
    if [[ $1 == zstd ]]; then zstd -q -f "$2" "$f" -o "$work/x"; else lz4 -q -f "$2" "$f" "$work/x"; fi
    total=$((total + $(stat -c %s "$work/x")))
  done
  # The decompression speed is the last figure of the benchmark's final line.
  if [[ $1 == zstd ]]; then
    speed=$(zstd -q "-b${2#-}" "$largest" 2>&1 | tail -1 | grep -o '[0-9.]* MB/s' | tail -1)
  else
    speed=$(lz4 "-b${2#-}" "$largest" 2>&1 | tr '\r' '\n' | grep -o '[0-9.]* MB/s' | tail -1)
  fi
  printf '%-10s %12s %14s\n' "$codec" "$total" "$speed"
done
echo "largest: $(basename "$largest"), $(stat -c %s "$largest") bytes"

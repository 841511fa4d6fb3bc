#!/usr/bin/env bash
# Builds a Release tree (build-rel beside the sources) and prints the performance table of
# docs/performance.md: memory tours headless and on Xvfb, transitions, building the pages,
# start-up pairs against a minimal SDL2 program (to the first frame and to the first mapped
# window), the whole course built against the start-up of the commit before the start page came
# first, and idleness. Run it on an otherwise idle machine; it needs Xvfb (scripts/setup
# installs it).
#   bench/perf-table.sh [--start-up] [PAIRS]
# --start-up measures the start-up rows alone: a short check that they work, not the table.
# APOSTILA_BASELINE_REV names that earlier commit (its start-up driver is built once, from
# `git archive`, in build-rel-base); APOSTILA_BASELINE_REV= (empty) leaves that yardstick out.
set -euo pipefail
# The measured programs get a session bus of their own, as a desktop gives them one (they read
# its accessibility status), and never the caller's: no bench window reaches the caller's
# desktop bus or screen reader.
if [[ -z ${APOSTILA_BENCH_OWN_BUS:-} ]] && command -v dbus-run-session >/dev/null; then
  export APOSTILA_BENCH_OWN_BUS=1
  exec env -u DBUS_SESSION_BUS_ADDRESS dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
only=()
if [[ ${1:-} == --start-up ]]; then
  only=(--start-up)
  shift
fi
here=$(cd "$(dirname "$0")/.." && pwd)
build=${APOSTILA_RELEASE_BUILD:-$here/build-rel}
if [[ ! -f $build/build.ninja ]]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target apostila bench_memory_tour bench_xvfb_driver bench_minimal_sdl \
  bench_map_watch bench_transition_bench bench_build_bench bench_first_build bench_xvfb_driver_x2 \
  bench_xvfb_driver_x4 >/dev/null

# The last commit that built all 86 pages before the start page's first frame.
base_rev=${APOSTILA_BASELINE_REV-b382d37}
base_build=
if [[ -n $base_rev ]]; then
  base=${APOSTILA_BASELINE_BUILD:-$here/build-rel-base}
  base_build=$base/build
  if [[ ! -x $base_build/bench/bench_xvfb_driver || $(cat "$base/rev" 2>/dev/null) != "$base_rev" ]]; then
    rm -rf "$base"
    mkdir -p "$base/src"
    git -C "$here" archive "$base_rev" | tar -x -C "$base/src"
    cmake -S "$base/src" -B "$base_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$base_build" -j"$(nproc)" --target bench_xvfb_driver >/dev/null
    echo "$base_rev" >"$base/rev"
  fi
fi
exec python3 "$here/bench/perf_table.py" "${only[@]}" "$build" "${1:-20}" "$base_build"

#!/usr/bin/env bash
# Builds a Release tree (build-rel beside the sources) and prints the performance table of
# docs/performance.md: memory tours headless and on Xvfb, transitions, building the pages,
# start-up pairs against a minimal SDL2 program and idleness. Run it on an otherwise idle
# machine; it needs Xvfb (scripts/setup installs it).
#   bench/perf-table.sh [PAIRS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${APOSTILA_RELEASE_BUILD:-$here/build-rel}
if [[ ! -f $build/build.ninja ]]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target apostila bench_memory_tour bench_xvfb_driver bench_minimal_sdl \
  bench_transition_bench bench_build_bench bench_first_build bench_xvfb_driver_x2 bench_xvfb_driver_x4 >/dev/null
exec python3 "$here/bench/perf_table.py" "$build" "${1:-20}"

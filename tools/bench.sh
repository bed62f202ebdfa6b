#!/usr/bin/env bash
# Builds the benchmarks in an optimised native tree without sanitizers and
# runs each of them. Extra arguments go to every benchmark program, e.g.
#   tools/bench.sh --benchmark_repetitions=5
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DVORLANT_SANITIZE=OFF -DVORLANT_FUZZ=OFF -DVORLANT_UNIT_TESTS=OFF -DVORLANT_BENCH=ON >/dev/null
cmake --build build/bench
for program in build/bench/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" "$@"
done

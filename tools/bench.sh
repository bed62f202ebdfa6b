#!/usr/bin/env bash
# Builds the benchmarks in an optimised native tree without sanitizers and
# runs each of them; then builds the Windows tree and times the real
# Vorlant.exe under wine against its baselines (tools/winauto/vorlant-bench:
# start-up, printing, the whole list's complete cards against one, moving
# the selection), with an X server of its own
# when there is no display and, as root, a private print spooler. Stops
# everything it started. Extra arguments go to every native benchmark
# program, e.g.
#   tools/bench.sh --benchmark_repetitions=5
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DVORLANT_SANITIZE=OFF -DVORLANT_FUZZ=OFF -DVORLANT_UNIT_TESTS=OFF -DVORLANT_BENCH=ON >/dev/null
cmake --build build/bench
for program in build/bench/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" "$@"
done

echo "== vorlant-bench (wine)"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVORLANT_WERROR=ON --no-warn-unused-cli >/dev/null
cmake --build build/win --target vorlant-bench -j "$jobs" >/dev/null
source tools/wine-env.sh
source tools/cups-env.sh
trap 'vorlant_cups_stop; vorlant_wine_stop' EXIT
vorlant_display_start
if [ "$(id -u)" -eq 0 ]; then
    vorlant_cups_start "$root/build/bench-cups" >/dev/null
else
    echo "== not root: no print spooler, printing is not measured"
fi
vorlant_wine_start
wine build/win/bin/vorlant-bench.exe </dev/null | tr -d '\r'

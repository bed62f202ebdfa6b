#!/usr/bin/env bash
# Installs what is missing (tools/setup.sh), builds every tree and runs every
# test: the native unit tests under ASan and UBSan with the fuzz targets'
# bounded runs, the same unit tests built by GCC (whose order of evaluation
# differs from clang's), then the Windows tests (the Win32 layer and the UI
# tests of Vorlant.exe, built for 64-bit and for 32-bit Windows, some of them
# again on a Windows in English and in Russian and at three larger display
# scales, and the check that each build is reproducible) under wine, with an
# X server of its own when there is no display and, as root, a private print
# spooler whose PDF printer receives the printed cards, and last a short soak
# over bad congregations (tools/soak.sh). Stops everything it started.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/setup.sh
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== native build (clang, ASan + UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVORLANT_WERROR=ON >/dev/null
cmake --build build/native -j "$jobs"

echo "== native build (gcc, no sanitizers)"
cmake -S . -B build/gcc -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DVORLANT_WERROR=ON \
      -DVORLANT_SANITIZE=OFF -DVORLANT_FUZZ=OFF >/dev/null
cmake --build build/gcc -j "$jobs"

echo "== windows build (mingw-w64, 64-bit)"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVORLANT_WERROR=ON >/dev/null
cmake --build build/win -j "$jobs"

echo "== windows build (mingw-w64, 32-bit)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DVORLANT_WERROR=ON >/dev/null
cmake --build build/win32 -j "$jobs"

status=0
passed=0 failed=0 skipped=0
# ctest_counted ARGS...: ctest with its result added to the counts above.
ctest_counted() {
    local out rc=0
    out="$(mktemp)"
    ctest "$@" 2>&1 | tee "$out" || rc=$?
    local line
    line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" | tail -n 1)"
    rm -f "$out"
    if [ -n "$line" ]; then
        local f t
        f="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")"
        t="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")"
        passed=$((passed + t - f))
        failed=$((failed + f))
    elif [ "$rc" -ne 0 ]; then
        failed=$((failed + 1))
    fi
    return "$rc"
}

echo "== native tests"
ctest_counted --test-dir build/native --output-on-failure -j "$jobs" || status=1
echo "== native tests (gcc)"
ctest_counted --test-dir build/gcc --output-on-failure -j "$jobs" || status=1

echo "== windows tests (wine)"
source tools/wine-env.sh
source tools/cups-env.sh
trap 'vorlant_cups_stop; vorlant_wine_stop' EXIT
vorlant_display_start
if [ "$(id -u)" -eq 0 ]; then
    vorlant_cups_start "$root/build/win/cups" || status=1
else
    echo "== not root: no print spooler, the printing test is skipped"
fi
vorlant_wine_start
# A Windows in English and one in Russian, whose ANSI code pages lack the
# Polish letters: the tests named after them run there.
vorlant_wine_variant_start en en_US.UTF-8 || status=1
vorlant_wine_variant_start ru ru_RU.UTF-8 || status=1
# The display scales of the DisplayScale tests (tests/ui/CMakeLists.txt).
for dpi in 120 144 192; do vorlant_wine_variant_start "dpi$dpi" pl_PL.UTF-8 "$dpi" || status=1; done
echo "== windows tests, 64-bit build (wine)"
ctest_counted --test-dir build/win --output-on-failure --timeout 180 || status=1
if [ "$VORLANT_RUNS_32BIT" = 1 ]; then
    echo "== windows tests, 32-bit build (wine)"
    ctest_counted --test-dir build/win32 --output-on-failure --timeout 180 || status=1
else
    echo "== windows tests, 32-bit build: $(vorlant_no_32bit_line)"
    # What needs no running: the executable's machine type, its imports and
    # its reproducibility, here; its manifest and version resources were
    # read by the 64-bit build's tests above (ExecutableResources.Of32BitBuild).
    ctest_counted --test-dir build/win32/tests/release --output-on-failure || status=1
    # The tests it skipped: those of the 64-bit build that the 32-bit one has too.
    skipped=$((skipped + $(ctest --test-dir build/win -N -LE '64-bit|release' | sed -nE 's/^Total Tests: ([0-9]+)/\1/p')))
fi
vorlant_cups_stop
vorlant_wine_stop
trap - EXIT

echo "== soak (bad congregations, wine)"
if tools/soak.sh 10; then passed=$((passed + 1)); else status=1 failed=$((failed + 1)); fi

if [ "$status" -eq 0 ]; then echo "== all tests passed"; else echo "== some tests FAILED"; fi
[ "$skipped" -eq 0 ] || echo "== $(vorlant_no_32bit_line)"
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit "$status"

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
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVORLANT_WERROR=ON \
      -DVORLANT_OTHER_BUILD_DIR="$root/build/win32" >/dev/null
cmake --build build/win -j "$jobs"

echo "== windows build (mingw-w64, 32-bit)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DVORLANT_WERROR=ON >/dev/null
cmake --build build/win32 -j "$jobs"

status=0
passed=0 failed=0 skipped=0
# ctest_counted ARGS...: ctest with its result added to the counts above,
# from ctest's own summary: "N% tests passed, F tests failed out of T" (T
# holds the skipped tests, counted there as passed) and the list of the
# tests that did not run (skipped, or disabled and not in T). A run that
# gives no count at all (no tests found) is a failure.
ctest_counted() {
    local out rc=0
    out="$(mktemp)"
    ctest "$@" 2>&1 | tee "$out" || rc=$?
    local line notrun
    line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" | tail -n 1)"
    notrun="$(sed -n '/^The following tests did not run:/,/^$/p' "$out" | grep -E '^\s+[0-9]+ - ' || true)"
    rm -f "$out"
    if [ -z "$line" ]; then
        echo "== ctest $* gave no test count: no tests were found, or ctest did not finish" >&2
        failed=$((failed + 1))
        return 1
    fi
    local f t s d
    f="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")"
    t="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")"
    s="$(grep -c . <<<"$notrun" || true)"
    d="$(grep -c '(Disabled)$' <<<"$notrun" || true)"
    passed=$((passed + t - f - (s - d)))
    failed=$((failed + f))
    skipped=$((skipped + s))
    return "$rc"
}

# setup_failed WHAT: a step of the set-up failed; it counts as one failed
# test, and the tests that need it do not run.
setup_failed() {
    echo "== set-up failed: $1" >&2
    status=1
    failed=$((failed + 1))
}

echo "== native tests"
ctest_counted --test-dir build/native --output-on-failure -j "$jobs" || status=1
echo "== native tests (gcc)"
ctest_counted --test-dir build/gcc --output-on-failure -j "$jobs" || status=1

echo "== windows tests (wine)"
source tools/wine-env.sh
source tools/cups-env.sh
trap 'vorlant_cups_stop; vorlant_wine_stop' EXIT
windows=1 no_32bit=0
vorlant_display_start || { setup_failed "the X server: the Windows tests did not run"; windows=0; }
if [ "$windows" = 1 ] && [ "$(id -u)" -eq 0 ]; then
    vorlant_cups_start "$root/build/win/cups" || setup_failed "the print spooler"
elif [ "$windows" = 1 ]; then
    echo "== not root: no print spooler, the printing test is skipped"
fi
if [ "$windows" = 1 ]; then
    vorlant_wine_start || { setup_failed "wine: the Windows tests did not run"; windows=0; }
fi
if [ "$windows" = 1 ]; then
    # A Windows in English and one in Russian, whose ANSI code pages lack the
    # Polish letters: the tests named after them run there.
    vorlant_wine_variant_start en en_US.UTF-8 || setup_failed "the wine prefix in English"
    vorlant_wine_variant_start ru ru_RU.UTF-8 || setup_failed "the wine prefix in Russian"
    # The display scales of the DisplayScale tests (tests/ui/CMakeLists.txt).
    for dpi in 120 144 192; do
        vorlant_wine_variant_start "dpi$dpi" pl_PL.UTF-8 "$dpi" || setup_failed "the wine prefix at $dpi pixels per inch"
    done
    echo "== windows tests, 64-bit build (wine)"
    ctest_counted --test-dir build/win --output-on-failure --timeout 180 || status=1
    if [ "$VORLANT_RUNS_32BIT" = 1 ]; then
        echo "== windows tests, 32-bit build (wine)"
        ctest_counted --test-dir build/win32 --output-on-failure --timeout 180 || status=1
    else
        if [ -n "$VORLANT_WINE32_FAULT" ]; then
            setup_failed "$VORLANT_WINE32_FAULT; the 32-bit build's Windows tests did not run"
        else
            echo "== windows tests, 32-bit build: $(vorlant_no_32bit_line)"
            no_32bit=1
        fi
        # What needs no running: the executable's machine type, its imports and
        # its reproducibility, here; its manifest and version resources were
        # read by the 64-bit build's tests above (ExecutableResources.Of32BitBuild).
        ctest_counted --test-dir build/win32/tests/release --output-on-failure || status=1
        if [ -z "$VORLANT_WINE32_FAULT" ]; then
            # The tests it skipped: those of the 64-bit build that the 32-bit one has too.
            total="$(ctest --test-dir build/win -N -LE '64-bit|release' | sed -nE 's/^Total Tests: ([0-9]+)$/\1/p')"
            if [ -n "$total" ]; then
                skipped=$((skipped + total))
            else
                setup_failed "ctest -N gave no count of the 32-bit build's Windows tests"
            fi
        fi
    fi
fi
vorlant_cups_stop
vorlant_wine_stop
trap - EXIT

echo "== soak (bad congregations, wine)"
if tools/soak.sh 10; then passed=$((passed + 1)); else status=1 failed=$((failed + 1)); fi

if [ "$status" -eq 0 ]; then echo "== all tests passed"; else echo "== some tests FAILED"; fi
[ "$no_32bit" = 0 ] || echo "== $(vorlant_no_32bit_line)"
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit "$status"

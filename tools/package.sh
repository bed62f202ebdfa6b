#!/usr/bin/env bash
# Makes the package for the secretary, dist/Vorlant-<version>.zip:
#   64-bit/Vorlant.exe, 32-bit/Vorlant.exe   Release builds, each from a clean
#                                            build folder of its own
#   Instrukcja.html                          the user guide, pictures inside
#   SHA256SUMS                               the executables' sums, for
#                                            `sha256sum -c` in the unpacked folder
# The same commit gives the same zip, byte for byte: the executables are
# reproducible, and the zip holds its entries in a fixed order, dated with
# the commit's time (or $SOURCE_DATE_EPOCH), with fixed modes and no extra
# attributes. Prints the executables' sums at the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/setup.sh

guide=tools/guide/make-guide.sh
if [ ! -x "$guide" ]; then
    echo "package: $guide is missing (it writes the user guide, Instrukcja.html)" >&2
    exit 1
fi
# The version the executable's properties show, e.g. 5b.
version="$(sed -n 's/.*VALUE "ProductVersion", *"\([^"\\]*\).*/\1/p' src/resources/version.rc)"
if [ -z "$version" ]; then
    echo "package: no ProductVersion in src/resources/version.rc" >&2
    exit 1
fi
epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}"
if [ -z "$epoch" ]; then
    echo "package: not a git checkout; set SOURCE_DATE_EPOCH to date the package's files" >&2
    exit 1
fi
jobs="$(nproc 2>/dev/null || echo 2)"

work="$root/build/package"
rm -rf "$work"
stage="$work/Vorlant-$version"
mkdir -p "$stage/64-bit" "$stage/32-bit"
for bits in 64 32; do
    case "$bits" in
        64) toolchain=cmake/mingw-w64.cmake ;;
        32) toolchain=cmake/mingw-w64-i686.cmake ;;
    esac
    echo "== Vorlant.exe, $bits-bit (Release)"
    cmake -S . -B "$work/win$bits" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVORLANT_WERROR=ON >/dev/null
    cmake --build "$work/win$bits" --target Vorlant -j "$jobs"
    objdump="$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$work/win$bits/CMakeCache.txt")"
    tests/release/check_exe.sh "$work/win$bits/bin/Vorlant.exe" "$objdump" Release "$root" "$work/win$bits"
    cp "$work/win$bits/bin/Vorlant.exe" "$stage/$bits-bit/Vorlant.exe"
done

echo "== Instrukcja.html"
"$guide" "$stage/Instrukcja.html"
if [ ! -s "$stage/Instrukcja.html" ]; then
    echo "package: $guide wrote no Instrukcja.html" >&2
    exit 1
fi

entries=(64-bit/Vorlant.exe 32-bit/Vorlant.exe Instrukcja.html SHA256SUMS)
(cd "$stage" && sha256sum 64-bit/Vorlant.exe 32-bit/Vorlant.exe >SHA256SUMS)
(cd "$stage" && chmod 644 "${entries[@]}" && touch -d "@$epoch" "${entries[@]}")

mkdir -p dist
zipfile="$root/dist/Vorlant-$version.zip"
rm -f "$zipfile"
# zip keeps local times: in UTC the same epoch gives the same entries
# anywhere. -X: no extra attributes (owner, precise times); -D: no folder
# entries.
(cd "$stage" && TZ=UTC zip -q -X -D -9 "$zipfile" "${entries[@]}")

echo "package: $zipfile"
cat "$stage/SHA256SUMS"

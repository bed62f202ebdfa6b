#!/usr/bin/env bash
# Makes the package for the secretary, dist/Vorlant-<version>.zip:
#   64-bit/Vorlant.exe, 32-bit/Vorlant.exe   Release builds, each from a clean
#                                            build folder of its own
#   Instrukcja.html                          the user guide, pictures inside
#   SHA256SUMS                               the executables' sums, for
#                                            `sha256sum -c` in the unpacked folder
#                                            and for Notepad (CRLF line ends)
#   BUILDINFO                                what built them: the commit, its
#                                            date, the exact versions of the
#                                            compilers, binutils, the mingw-w64
#                                            runtime, CMake and zip
# The same commit built with the same tools gives the same zip, byte for
# byte: the executables are reproducible, and the zip holds its entries in a
# fixed order, dated with the commit's time (or $SOURCE_DATE_EPOCH), with
# fixed modes and no extra attributes. A tree with uncommitted changes is
# refused: its zip could not be rebuilt from any commit. With --dirty it is
# packaged all the same, as Vorlant-<version>-dirty.zip. Prints the
# executables' sums at the end.
#   tools/package.sh [--dirty]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
dirty_allowed=""
case "${1:-}" in
    "") ;;
    --dirty) dirty_allowed=1 ;;
    *) echo "usage: $0 [--dirty]" >&2; exit 2 ;;
esac
tools/setup.sh

guide=tools/guide/make-guide.sh
if [ ! -x "$guide" ]; then
    echo "package: $guide is missing (it writes the user guide, Instrukcja.html)" >&2
    exit 1
fi
# The program's version, from the one place that names it.
version="$(tools/guide/make-guide.sh --version)"
epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}"
if [ -z "$epoch" ]; then
    echo "package: not a git checkout; set SOURCE_DATE_EPOCH to date the package's files" >&2
    exit 1
fi
commit="$(git rev-parse HEAD 2>/dev/null || echo unknown)"
changes="$(git status --porcelain 2>/dev/null || true)"
name="Vorlant-$version"
if [ -n "$changes" ]; then
    if [ -z "$dirty_allowed" ]; then
        echo "package: the tree has uncommitted changes; commit them first (or --dirty for a test package):" >&2
        echo "$changes" >&2
        exit 1
    fi
    name="Vorlant-$version-dirty"
    echo "package: the tree has uncommitted changes: the package is named $name and cannot be rebuilt" >&2
fi
jobs="$(nproc 2>/dev/null || echo 2)"

work="$root/build/package"
rm -rf "$work"
stage="$work/Vorlant-$version"
mkdir -p "$stage/64-bit" "$stage/32-bit"
for bits in 64 32; do
    case "$bits" in
        64) toolchain=cmake/mingw-w64.cmake machine=x86-64 ;;
        32) toolchain=cmake/mingw-w64-i686.cmake machine=i386 ;;
    esac
    echo "== Vorlant.exe, $bits-bit (Release)"
    cmake -S . -B "$work/win$bits" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVORLANT_WERROR=ON >/dev/null
    cmake --build "$work/win$bits" --target Vorlant -j "$jobs"
    objdump="$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$work/win$bits/CMakeCache.txt")"
    tests/release/check_exe.sh "$work/win$bits/bin/Vorlant.exe" "$objdump" Release "$root" "$work/win$bits"
    tests/release/check_pe.sh "$work/win$bits/bin/Vorlant.exe" "$objdump" "$machine"
    cp "$work/win$bits/bin/Vorlant.exe" "$stage/$bits-bit/Vorlant.exe"
done

echo "== Instrukcja.html"
"$guide" "$stage/Instrukcja.html"
if [ ! -s "$stage/Instrukcja.html" ]; then
    echo "package: $guide wrote no Instrukcja.html" >&2
    exit 1
fi

# version_of TOOL: the tool's own first version line and the Debian package
# that ships it, with that package's exact version.
version_of() {
    local path package
    path="$(readlink -f "$(command -v "$1")")"
    package="$(dpkg-query -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1 || true)"
    printf '%s: %s' "$(basename "$1")" "$("$1" --version 2>/dev/null </dev/null | head -n 1)"
    [ -z "$package" ] || printf ' (%s %s)' "$package" "$(dpkg-query -W -f '${Version}' "$package")"
    printf '\n'
}
# tool BITS LANGUAGE: the compiler of LANGUAGE (C, CXX, RC) as CMake found
# it for the tree of BITS.
tool() { sed -n "s/^set(CMAKE_$2_COMPILER \"\(.*\)\")$/\1/p" "$work/win$1"/CMakeFiles/*/CMake"$2"Compiler.cmake; }
# package_of FILE: the Debian package that ships the file, with its exact version.
package_of() {
    local package
    package="$(dpkg-query -S "$(readlink -f "$1")" 2>/dev/null | head -n 1 | cut -d: -f1 || true)"
    if [ -n "$package" ]; then dpkg-query -W -f '${Package} ${Version}\n' "$package"; else echo "$1"; fi
}
# The two texts of the package end their lines with CR LF: Notepad until
# Windows 10 version 1809 shows bare LF line ends as one line, and GNU
# `sha256sum -c` reads CR LF lines as well.
crlf() { sed 's/$/\r/'; }
{
    echo "Vorlant $version"
    echo "commit: $commit${changes:+ with uncommitted changes}"
    echo "commit date: $(TZ=UTC git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S UTC' 2>/dev/null)"
    for bits in 64 32; do
        cxx="$(tool "$bits" CXX)"
        echo "$bits-bit:"
        echo "  $(version_of "$cxx")"
        echo "  $(version_of "$(tool "$bits" C)")"
        echo "  $(version_of "$(tool "$bits" RC)")"
        echo "  $(version_of "$(sed -n 's/^CMAKE_LINKER:FILEPATH=//p' "$work/win$bits/CMakeCache.txt")")"
        echo "  mingw-w64 runtime: $(package_of "$("$cxx" -print-file-name=libmingw32.a)")"
    done
    version_of "$(command -v cmake)"
    echo "zip: $(zip -h 2>/dev/null | sed -n 's/^\(Zip [^ ]* ([^)]*)\).*/\1/p') ($(package_of "$(command -v zip)"))"
} | crlf >"$stage/BUILDINFO"

entries=(64-bit/Vorlant.exe 32-bit/Vorlant.exe Instrukcja.html SHA256SUMS BUILDINFO)
(cd "$stage" && sha256sum 64-bit/Vorlant.exe 32-bit/Vorlant.exe | crlf >SHA256SUMS)
# What the package promises of SHA256SUMS: every line ends with CR LF and
# `sha256sum -c` in the unpacked folder checks both executables.
if grep -qv $'\r$' "$stage/SHA256SUMS" || ! (cd "$stage" && sha256sum --check --strict --quiet SHA256SUMS); then
    echo "package: SHA256SUMS does not check with sha256sum -c or has a line without CR LF" >&2
    exit 1
fi
(cd "$stage" && chmod 644 "${entries[@]}" && touch -d "@$epoch" "${entries[@]}")

mkdir -p dist
zipfile="$root/dist/$name.zip"
rm -f "$zipfile"
# zip keeps local times: in UTC the same epoch gives the same entries
# anywhere. -X: no extra attributes (owner, precise times); -D: no folder
# entries.
(cd "$stage" && TZ=UTC zip -q -X -D -9 "$zipfile" "${entries[@]}")

echo "package: $zipfile"
cat "$stage/BUILDINFO"
cat "$stage/SHA256SUMS"

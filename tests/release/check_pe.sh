#!/usr/bin/env bash
# Checks, without running it, what Windows asks of the executable before it runs a line of it: the machine
# type of its PE header, a Windows GUI program, and imports from system DLLs only, which every Windows since 7
# has (a static build brings no runtime DLL of the compiler's along).
#   check_pe.sh EXE OBJDUMP MACHINE      MACHINE: i386 or x86-64
set -euo pipefail
exe="$1" objdump="$2" machine="$3"
status=0

case "$machine" in
    i386) want_format=pei-i386 want_magic=PE32 ;;
    x86-64) want_format=pei-x86-64 want_magic=PE32+ ;;
    *) echo "check_pe.sh: unknown machine $machine" >&2; exit 2 ;;
esac

headers="$("$objdump" -p "$exe")"
format="$(sed -nE 's/.*file format (\S+).*/\1/p' <<<"$headers" | head -n 1)"
magic="$(sed -nE 's/^Magic\s+\S+\s+\((.*)\)/\1/p' <<<"$headers")"
subsystem="$(sed -nE 's/^Subsystem\s+\S+\s+\((.*)\)/\1/p' <<<"$headers")"
if [ "$format" != "$want_format" ] || [ "$magic" != "$want_magic" ]; then
    echo "$exe: $format ($magic), not $want_format ($want_magic)" >&2
    status=1
fi
if [ "$subsystem" != "Windows GUI" ]; then
    echo "$exe: subsystem $subsystem, not Windows GUI" >&2
    status=1
fi

system_dlls="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll shell32.dll
              shlwapi.dll user32.dll uxtheme.dll version.dll winspool.drv"
imports="$(sed -nE 's/^\s*DLL Name: (\S+)/\1/p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)"
if [ -z "$imports" ]; then
    echo "$exe: no imports found" >&2
    status=1
fi
for dll in $imports; do
    if ! grep -qw -- "$dll" <<<"$system_dlls"; then
        echo "$exe: imports $dll, which is no system DLL" >&2
        status=1
    fi
done

[ "$status" -eq 0 ] && echo "$exe: $want_format, Windows GUI, imports $(echo $imports)"
exit "$status"

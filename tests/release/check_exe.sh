#!/usr/bin/env bash
# Checks what makes two builds of one commit byte-identical, on one built
# executable: a PE header without a time stamp, no debug sections (in a
# Release build) and none of the given folders (the source and the build
# tree) anywhere in the file.
#   check_exe.sh EXE OBJDUMP CONFIG FOLDER...
set -euo pipefail
exe="$1" objdump="$2" config="$3"
shift 3
status=0

byte() { od -An -t u1 -j "$1" -N 1 "$exe" | tr -d ' '; }
u32() { echo $(( $(byte "$1") | $(byte $(($1 + 1))) << 8 | $(byte $(($1 + 2))) << 16 | $(byte $(($1 + 3))) << 24 )); }

if [ "$(head -c 2 "$exe")" != "MZ" ]; then
    echo "$exe: not an executable" >&2
    exit 1
fi
pe=$(u32 60)
if [ "$(dd if="$exe" bs=1 skip="$pe" count=4 status=none | od -An -t x1 | tr -d ' ')" != "50450000" ]; then
    echo "$exe: no PE header at $pe" >&2
    exit 1
fi
stamp=$(u32 $((pe + 8)))
if [ "$stamp" -ne 0 ]; then
    echo "$exe: the PE header has the time stamp $stamp ($(date -u -d "@$stamp"))" >&2
    status=1
fi

case "$config" in
    Release | MinSizeRel)
        if "$objdump" -h "$exe" | grep -q '\.debug'; then
            echo "$exe: debug sections in a $config build:" >&2
            "$objdump" -h "$exe" | grep '\.debug' >&2
            status=1
        fi
        ;;
esac

for folder in "$@"; do
    if grep -q -a -F -e "$folder" -e "$(realpath -m "$folder")" "$exe"; then
        echo "$exe: holds the path $folder" >&2
        status=1
    fi
done

[ "$status" -eq 0 ] && echo "$exe: reproducible ($config): no time stamp, no paths of this build"
exit "$status"

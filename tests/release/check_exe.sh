#!/usr/bin/env bash
# Checks what makes two builds of one commit byte-identical: a PE header without a time stamp, no debug
# sections (in a Release build) and none of the given folders (source and build tree) anywhere in the file.
#   check_exe.sh EXE OBJDUMP CONFIG FOLDER...
set -euo pipefail
exe="$1" objdump="$2" config="$3"
shift 3
status=0

# objdump names the time stamp 0 as the epoch; in UTC, whatever the machine's zone.
if ! headers="$(TZ=UTC "$objdump" -p "$exe" 2>/dev/null)" || ! grep -q 'file format pei-' <<<"$headers"; then
    echo "$exe: not a PE executable" >&2
    exit 1
fi
stamp="$(sed -nE 's|^Time/Date\s+(.*)|\1|p' <<<"$headers")"
if [ "$stamp" != "Thu Jan  1 00:00:00 1970" ]; then
    echo "$exe: the PE header has the time stamp $stamp" >&2
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

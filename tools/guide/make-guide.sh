#!/usr/bin/env bash
# make-guide.sh OUTFILE: writes the secretary's guide, one self-contained
# HTML page, from the template beside this script and the committed pictures
# in docs/ (made by tools/demo.sh). Every "@@NAME.png@@" of the template
# becomes docs/NAME.png as a data: URI, so the page opens in any browser with
# nothing beside it, and every "@@VERSION@@" the program's version, which
# src/resources/version.h names (`make-guide.sh --version` prints it). Only
# bash and coreutils: the same files give the same page, with no X server and
# no wine.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
template="$here/Instrukcja.html.in"
version="$(sed -n 's/^#define VORLANT_VERSION "\([^"]*\)"$/\1/p' "$root/src/resources/version.h")"
if [ -z "$version" ]; then
    echo "make-guide: no VORLANT_VERSION in src/resources/version.h" >&2
    exit 1
fi
if [ "${1:-}" = --version ]; then
    echo "$version"
    exit 0
fi
if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 OUTFILE | --version" >&2
    exit 2
fi
out="$1"

page=""
while IFS= read -r line || [ -n "$line" ]; do
    while [[ "$line" =~ @@([A-Za-z0-9._-]+\.png)@@ ]]; do
        name="${BASH_REMATCH[1]}"
        picture="$root/docs/$name"
        if [ ! -f "$picture" ]; then
            echo "make-guide: the picture docs/$name is missing (tools/demo.sh makes it)" >&2
            exit 1
        fi
        line="${line//"@@$name@@"/"data:image/png;base64,$(base64 -w 0 "$picture")"}"
    done
    line="${line//@@VERSION@@/$version}"
    page+="$line"$'\n'
done <"$template"

mkdir -p "$(dirname "$out")"
printf '%s' "$page" >"$out.tmp"
mv "$out.tmp" "$out"
echo "make-guide: $out"

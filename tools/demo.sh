#!/usr/bin/env bash
# Runs Vorlant.exe on a generated demo congregation in build/demo. On a
# display the program opens there; without one it runs under a private X
# server and leaves screenshots of the main window, the options dialog and
# the detailed layout dialog in build/demo and, for the README and the guide
# (tools/guide), in docs; as root it then prints the first publisher's card
# for the months of the service year so far and the test page through a
# private PDF printer (tools/cups-env.sh): the PDFs and their pages as PNGs
# land in build/demo, the PNGs in docs too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/setup.sh

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win --target Vorlant vorlant-gen vorlantctl

demo="$root/build/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp build/win/bin/Vorlant.exe "$demo/"

source tools/wine-env.sh
source tools/cups-env.sh
had_display="${DISPLAY:-}"
trap 'vorlant_cups_stop; vorlant_wine_stop' EXIT
vorlant_display_start
printing=""
if [ -z "$had_display" ] && vorlant_cups_start "$demo/cups"; then printing=1; fi
vorlant_wine_start

(cd "$demo" && wine "$root/build/win/bin/vorlant-gen.exe" --out .)

if [ -n "$had_display" ]; then
    (cd "$demo" && wine Vorlant.exe)
    exit 0
fi

(cd "$demo" && wine Vorlant.exe) &
program=$!
ctl="$root/build/win/bin/vorlantctl.exe"
frame="$(wine "$ctl" wait 60 | tr -d '\r' | tail -n 1)"
# The months of the card's service year up to the one before today: all
# twelve when today is September, when that year has just ended.
report=$(( $(date +%-m) == 1 ? 12 : $(date +%-m) - 1 ))
months=()
m=9
while :; do
    months+=("$m")
    [ "$m" -eq "$report" ] && break
    m=$(( m % 12 + 1 ))
done
wine "$ctl" tick "${months[@]}"
mkdir -p "$root/docs"

# shot NAME FRAME: the screen cropped to FRAME (WIDTHxHEIGHT+X+Y) into
# build/demo/NAME.png and, without time stamps, so that the same window gives
# the same file, into docs/NAME.png.
shot() {
    sleep 1
    import -window root -display "$DISPLAY" "$demo/screen.png"
    convert "$demo/screen.png" -crop "$2" +repage "$demo/$1.png"
    rm -f "$demo/screen.png"
    convert "$demo/$1.png" -strip "$root/docs/$1.png"
}
# The frame that a vorlantctl command prints on its last line.
frame_of() { wine "$ctl" "$@" | tr -d '\r' | tail -n 1; }

shot vorlant-main-window "$frame"
options="$(frame_of options)"
shot vorlant-options "$options"
layout="$(frame_of layout)"
shot vorlant-layout "$layout"
wine "$ctl" cancel
wine "$ctl" cancel

# The first PDF in the printer's folder that is whole and is none of the
# arguments; nothing after a minute.
new_pdf() {
    local file known
    for _ in $(seq 1 300); do
        for file in "$VORLANT_PDF_DIR"/*.pdf; do
            [ -f "$file" ] || continue
            for known in "$@"; do [ "$known" = "$file" ] && continue 2; done
            if pdfinfo "$file" >/dev/null 2>&1; then
                echo "$file"
                return 0
            fi
        done
        sleep 0.2
    done
}
# page NAME PDF: the PDF as build/demo/NAME.pdf, its page as NAME.png there
# and, without time stamps, in docs.
page() {
    cp "$2" "$demo/$1.pdf"
    pdftoppm -singlefile -r 100 -png "$demo/$1.pdf" "$demo/$1"
    convert "$demo/$1.png" -strip "$root/docs/$1.png"
}

card=""
testpage=""
if [ -n "$printing" ]; then
    wine "$ctl" print
    card="$(new_pdf)"
    if [ -n "$card" ]; then
        wine "$ctl" testpage
        testpage="$(new_pdf "$card")"
    fi
fi
wine "$ctl" exit 30
wait "$program" || true
for name in main-window options layout; do
    echo "demo: screenshot: $demo/vorlant-$name.png"
done
if [ -n "$printing" ]; then
    if [ -z "$card" ]; then
        echo "demo: the printed card did not arrive; see $demo/cups/log" >&2
        exit 1
    fi
    page vorlant-card "$card"
    echo "demo: the first publisher's card, months ${months[*]}: $demo/vorlant-card.pdf"
    echo "demo: its page as an image: $demo/vorlant-card.png"
    if [ -z "$testpage" ]; then
        echo "demo: the test page did not arrive; see $demo/cups/log" >&2
        exit 1
    fi
    page vorlant-test-page "$testpage"
    echo "demo: the test page: $demo/vorlant-test-page.pdf"
    echo "demo: its page as an image: $demo/vorlant-test-page.png"
fi

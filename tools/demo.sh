#!/usr/bin/env bash
# Runs Vorlant.exe on a generated demo congregation in build/demo. On a
# display the program opens there; without one it runs under a private X
# server, leaves a screenshot of the main window in build/demo and, for the
# README, in docs, and prints the first publisher's card for the months of
# the service year so far through a private PDF printer (tools/cups-env.sh,
# as root): the PDF and its page as a PNG land in build/demo too.
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
sleep 1
import -window root -display "$DISPLAY" "$demo/screen.png"
convert "$demo/screen.png" -crop "$frame" +repage "$demo/vorlant-main-window.png"
rm -f "$demo/screen.png"
mkdir -p "$root/docs"
# The README's pictures, without time stamps, so that the same window and
# the same page give the same files.
convert "$demo/vorlant-main-window.png" -strip "$root/docs/vorlant-main-window.png"

if [ -n "$printing" ]; then
    wine "$ctl" print
    pdf=""
    for _ in $(seq 1 300); do
        for file in "$VORLANT_PDF_DIR"/*.pdf; do
            if [ -f "$file" ] && pdfinfo "$file" >/dev/null 2>&1; then pdf="$file"; fi
        done
        [ -n "$pdf" ] && break
        sleep 0.2
    done
fi
wine "$ctl" exit 30
wait "$program" || true
echo "demo: screenshot of the main window: $demo/vorlant-main-window.png"
if [ -n "$printing" ]; then
    if [ -z "$pdf" ]; then
        echo "demo: the printed card did not arrive; see $demo/cups/log" >&2
        exit 1
    fi
    cp "$pdf" "$demo/vorlant-card.pdf"
    pdftoppm -singlefile -r 100 -png "$demo/vorlant-card.pdf" "$demo/vorlant-card"
    convert "$demo/vorlant-card.png" -strip "$root/docs/vorlant-card.png"
    echo "demo: the first publisher's card, months ${months[*]}: $demo/vorlant-card.pdf"
    echo "demo: its page as an image: $demo/vorlant-card.png"
fi

#!/usr/bin/env bash
# Runs Vorlant.exe on a generated demo congregation in build/demo. On a
# display the program opens there; without one it runs under a private X
# server and leaves screenshots of the main window, the options dialog, the
# detailed layout dialog and the test page's readings in build/demo and, for the README and the guide
# (tools/guide), in docs, all at 96 pixels per inch, and the main window once
# more at 144 pixels per inch; as root it then prints the first publisher's
# card for the months of the service year so far, the test page and the
# card complete on plain paper through a
# private PDF printer (tools/cups-env.sh): the PDFs and their pages as PNGs
# land in build/demo, the PNGs in docs too.
#   tools/demo.sh [--scales]
# --scales: also the main window, the three dialogs, the About box and the
# password dialog at 96, 120, 144 and 192 pixels per inch, in build/shots.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scales=""
case "${1:-}" in
    "") ;;
    --scales) scales="96 120 144 192" ;;
    *) echo "usage: $0 [--scales]" >&2; exit 2 ;;
esac
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

# The other display scales, each in a Wine prefix of its own; 96 is the main one.
for dpi in $(printf '%s\n' 144 $scales | sort -nu); do
    [ "$dpi" -eq 96 ] || vorlant_wine_variant_start "dpi$dpi" pl_PL.UTF-8 "$dpi"
done
main_prefix="$WINEPREFIX"
# at DPI COMMAND...: the command in the prefix of that display scale.
at() {
    local prefix="$main_prefix"
    [ "$1" -eq 96 ] || prefix="$root/build/wineprefix-dpi$1"
    WINEPREFIX="$prefix" "${@:2}"
}

ctl="$root/build/win/bin/vorlantctl.exe"
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
mkdir -p "$root/docs"

# start DPI [FOLDER]: the program in FOLDER (the demo's) at that display
# scale, its main window's frame in $frame and the months ticked.
start() {
    (cd "${2:-$demo}" && at "$1" wine "$demo/Vorlant.exe") &
    program=$!
    frame="$(at "$1" wine "$ctl" wait 60 | tr -d '\r' | tail -n 1)"
    at "$1" wine "$ctl" tick "${months[@]}"
}
# The frame that a vorlantctl command prints on its last line.
frame_of() { at "$1" wine "$ctl" "${@:2}" | tr -d '\r' | tail -n 1; }
# shot FILE FRAME: the screen cropped to FRAME (WIDTHxHEIGHT+X+Y) into FILE,
# without time stamps, so that the same window gives the same file.
shot() {
    sleep 1
    import -window root -display "$DISPLAY" "$demo/screen.png"
    convert "$demo/screen.png" -crop "$2" +repage -strip "$1"
    rm -f "$demo/screen.png"
}
# picture NAME FRAME: the window into build/demo/NAME.png and docs/NAME.png.
picture() {
    shot "$demo/$1.png" "$2"
    cp "$demo/$1.png" "$root/docs/$1.png"
}

start 96
picture vorlant-main-window "$frame"
picture vorlant-options "$(frame_of 96 options)"
picture vorlant-layout "$(frame_of 96 layout)"
wine "$ctl" cancel
wine "$ctl" cancel
# The readings of a card off every way typed in, the notes beside them; then
# a September line beyond its scale and the message that says which way.
readings="$(frame_of 96 readings)"
field=1110  # the September field; the others follow it
for reading in +13 +19 +8 -6 +11 -9 +4; do
    wine "$ctl" type "$field" "$reading"
    field=$(( field + 1 ))
done
picture vorlant-readings "$readings"
wine "$ctl" type 1110 +52
picture vorlant-whole-rows "$(frame_of 96 refused)"
wine "$ctl" dismiss
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
fullcard=""
if [ -n "$printing" ]; then
    wine "$ctl" print
    card="$(new_pdf)"
    if [ -n "$card" ]; then
        wine "$ctl" testpage
        testpage="$(new_pdf "$card")"
    fi
    # The same publisher's complete card on plain paper.
    if [ -n "$testpage" ]; then
        wine "$ctl" fullcard
        wine "$ctl" print
        fullcard="$(new_pdf "$card" "$testpage")"
    fi
fi
wine "$ctl" exit 30
wait "$program" || true
# The card printed is in the record of what was printed; the windows below
# are shown as before any card, as the first picture shows them.
rm -f "$demo/wydrukowane.txt"

start 144
picture vorlant-main-window-144 "$frame"
at 144 wine "$ctl" exit 30
wait "$program" || true
for name in main-window options layout readings main-window-144; do
    echo "demo: screenshot: $demo/vorlant-$name.png"
done

# Every window at every scale, and the password dialog of a congregation that has a password.
if [ -n "$scales" ]; then
    shots="$root/build/shots"
    mkdir -p "$shots" "$demo/password"
    (cd "$demo/password" && wine "$root/build/win/bin/vorlant-gen.exe" --out . --password Tajne7 >/dev/null)
    for dpi in $scales; do
        start "$dpi"
        shot "$shots/$dpi-main-window.png" "$frame"
        shot "$shots/$dpi-options.png" "$(frame_of "$dpi" options)"
        shot "$shots/$dpi-layout.png" "$(frame_of "$dpi" layout)"
        at "$dpi" wine "$ctl" cancel
        at "$dpi" wine "$ctl" cancel
        shot "$shots/$dpi-readings.png" "$(frame_of "$dpi" readings)"
        at "$dpi" wine "$ctl" cancel
        shot "$shots/$dpi-about.png" "$(frame_of "$dpi" about)"
        at "$dpi" wine "$ctl" cancel
        at "$dpi" wine "$ctl" exit 30
        wait "$program" || true
        (cd "$demo/password" && at "$dpi" wine "$demo/Vorlant.exe") &
        program=$!
        shot "$shots/$dpi-password.png" "$(frame_of "$dpi" password 60)"
        at "$dpi" wine "$ctl" refuse
        wait "$program" || true
    done
    echo "demo: every window at $scales pixels per inch: $shots"
fi
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
    if [ -z "$fullcard" ]; then
        echo "demo: the complete card did not arrive; see $demo/cups/log" >&2
        exit 1
    fi
    page vorlant-full-card "$fullcard"
    echo "demo: the first publisher's complete card on plain paper: $demo/vorlant-full-card.pdf"
    echo "demo: its page as an image: $demo/vorlant-full-card.png"
fi

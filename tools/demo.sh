#!/usr/bin/env bash
# Runs Vorlant.exe on a generated demo congregation in build/demo. On a
# display the program opens there; without one it runs under a private X
# server and leaves a screenshot of the main window in build/demo and, for
# the README, in docs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win --target Vorlant vorlant-gen vorlantctl

demo="$root/build/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp build/win/bin/Vorlant.exe "$demo/"

source tools/wine-env.sh
had_display="${DISPLAY:-}"
trap vorlant_wine_stop EXIT
vorlant_display_start
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
sleep 1
import -window root -display "$DISPLAY" "$demo/screen.png"
convert "$demo/screen.png" -crop "$frame" +repage "$demo/vorlant-main-window.png"
rm -f "$demo/screen.png"
mkdir -p "$root/docs"
# The README's picture, without time stamps, so that the same window gives the same file.
convert "$demo/vorlant-main-window.png" -strip "$root/docs/vorlant-main-window.png"
wine "$ctl" exit 30
wait "$program" || true
echo "demo: screenshot of the main window: $demo/vorlant-main-window.png"

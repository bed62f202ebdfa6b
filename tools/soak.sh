#!/usr/bin/env bash
# The soak: N bad congregations of the generator (random bytes, truncated,
# oversized and missing files, extreme values, texts without terminators,
# damaged password headers), each in a fresh folder with a copy of
# Vorlant.exe, driven through the whole program by tools/winauto/vorlant-soak
# under wine; afterwards the data files must be unchanged and the layout
# file whole. Prints one line per congregation and "N passed, M failed".
#
#   tools/soak.sh N
#
# Builds what it needs in the Windows tree, runs wine with an X server of
# its own when there is no display and, as root, a private print spooler;
# stops everything it started. Exit code 0 when every congregation passed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
count="${1:-}"
if ! [[ "$count" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: tools/soak.sh N" >&2
    exit 2
fi

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVORLANT_WERROR=ON --no-warn-unused-cli >/dev/null
cmake --build build/win --target vorlant-soak -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

source tools/wine-env.sh
source tools/cups-env.sh
crash_dialog_key='HKCU\Software\Wine\WineDbg'
crash_dialog_set=""
crash_dialog_was=""
cleanup() {
    # Wine's crash dialog goes back to what it was before the run.
    if [ -n "$crash_dialog_set" ]; then
        if [ -n "$crash_dialog_was" ]; then
            wine reg add "$crash_dialog_key" /v ShowCrashDialog /t REG_DWORD /d "$crash_dialog_was" /f
        else
            wine reg delete "$crash_dialog_key" /v ShowCrashDialog /f
        fi >/dev/null 2>&1 </dev/null || true
    fi
    vorlant_cups_stop
    vorlant_wine_stop
}
trap cleanup EXIT
vorlant_display_start
if [ "$(id -u)" -eq 0 ]; then
    vorlant_cups_start "$root/build/soak-cups" >/dev/null
else
    echo "== not root: no print spooler, nothing is printed"
fi
vorlant_wine_start
# A crash must end the program with its exception code, not wait in a dialog.
crash_dialog_was="$(wine reg query "$crash_dialog_key" /v ShowCrashDialog 2>/dev/null </dev/null |
                    sed -n 's/.*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p' | tr -d '\r' || true)"
if [ -n "$crash_dialog_was" ]; then crash_dialog_was="$((16#$crash_dialog_was))"; fi
crash_dialog_set=1
wine reg add "$crash_dialog_key" /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null

status=0
wine build/win/bin/vorlant-soak.exe "$count" </dev/null | tr -d '\r' || status=1
exit "$status"

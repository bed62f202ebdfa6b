# Sourced by the scripts that run Windows programs: a private Wine prefix in
# the build folder, the Polish code page, and an X server when there is no
# display. Every process started here is stopped by vorlant_wine_stop.

VORLANT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VORLANT_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=pl_PL.UTF-8
export LC_ALL=pl_PL.UTF-8

VORLANT_XVFB_PID=""

# Starts Xvfb on a free display when none is set.
vorlant_display_start() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n
    for n in $(seq 91 120); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            # Room for the virtual desktop of 192 pixels per inch (below);
            # Wine's desktop sits in its top left corner.
            Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
            VORLANT_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && return 0
                sleep 0.1
            done
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "no free X display" >&2
    return 1
}

# Creates the prefix once, then starts a persistent wine server and warms it
# up, so that every later program starts in a fraction of a second.
vorlant_wine_start() {
    vorlant_wine_prepare
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# Another Windows beside the main prefix: a prefix of its own,
# build/wineprefix-NAME, for the locale LOCALE (its ANSI code page is that
# of a Windows in another language) and, when DPI is given, that many pixels
# per inch on the screen; made once, then started and warmed up like the main
# one. Tests choose it through WINEPREFIX, LANG and LC_ALL in their
# environment. vorlant_wine_stop stops its server too.
#   vorlant_wine_variant_start NAME LOCALE [DPI]
VORLANT_WINE_VARIANTS=()
vorlant_wine_variant_start() {
    local prefix="$VORLANT_ROOT/build/wineprefix-$1"
    (
        export WINEPREFIX="$prefix" LANG="$2" LC_ALL="$2"
        vorlant_wine_prepare "${3:-}"
        wineserver -p
        wine cmd /c exit >/dev/null 2>&1 </dev/null
    ) || return 1
    VORLANT_WINE_VARIANTS+=("$prefix")
}

# The prefix of WINEPREFIX, made when missing, with the display's pixels per
# inch set to $1 when given.
# Windows live on a virtual desktop that Wine manages itself: without a
# window manager, activating another window at the end of a dialog would
# otherwise wait for the X server's focus events. It has 1280 x 800 pixels at
# 96 pixels per inch and grows with the pixels per inch, as the windows do.
vorlant_wine_prepare() {
    local dpi="${1:-}"
    mkdir -p "$(dirname "$WINEPREFIX")"
    # A prefix made before wine's 32-bit loader was installed cannot run the
    # 32-bit build (its syswow64 is empty): make it anew.
    if [ -f "$WINEPREFIX/system.reg" ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ] || ! grep -q 'Explorer\\\\Desktops' "$WINEPREFIX/user.reg"; then
        wineboot -i >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1 </dev/null
        wineserver -k
        wineserver -w
    fi
    # Wine reads the pixels per inch when its server starts.
    if [ -n "$dpi" ]; then
        local desktop="$((1280 * dpi / 96))x$((800 * dpi / 96))"
        if [ "$(cat "$WINEPREFIX/.vorlant-dpi" 2>/dev/null)" != "$dpi $desktop" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
            wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
                 /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f \
                 >/dev/null 2>&1 </dev/null
            wineserver -k
            wineserver -w
            echo "$dpi $desktop" >"$WINEPREFIX/.vorlant-dpi"
        fi
    fi
    vorlant_wine_fonts
}

# Wine draws the glyphs of the caption buttons (close, minimise, maximise,
# help) with its own symbol font, Marlett, in any locale. Debian's
# wine does not find its own fonts where the package puts them
# (/usr/share/wine/fonts), so a text font stands in for Marlett and the close
# button shows the letter "r". A copy in the prefix's Fonts folder is found.
# Only Marlett: the texts keep the fonts they are drawn with now.
vorlant_wine_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" dir
    [ -f "$fonts/marlett.ttf" ] && return 0
    for dir in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
        if [ -f "$dir/marlett.ttf" ]; then
            mkdir -p "$fonts"
            cp "$dir/marlett.ttf" "$fonts/marlett.ttf"
            return 0
        fi
    done
    echo "wine-env: wine's font Marlett was not found: the caption buttons will show letters" >&2
}

vorlant_wine_stop() {
    wineserver -k 2>/dev/null || true
    local prefix
    for prefix in "${VORLANT_WINE_VARIANTS[@]}"; do
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    done
    VORLANT_WINE_VARIANTS=()
    if [ -n "$VORLANT_XVFB_PID" ]; then
        kill "$VORLANT_XVFB_PID" 2>/dev/null || true
        wait "$VORLANT_XVFB_PID" 2>/dev/null || true
        VORLANT_XVFB_PID=""
        # The display was ours: a later start finds none and makes its own.
        unset DISPLAY
    fi
}

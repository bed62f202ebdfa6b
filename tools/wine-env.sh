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
VORLANT_WINE_LOG="$VORLANT_ROOT/build/wine-env.log"

# Whether this machine runs 32-bit programs, found out once by running wine's
# 32-bit loader. Some kernels have no 32-bit support at all: every i386
# binary fails there ("Exec format error", exit 126), and Debian's `wine`
# script still picks the 32-bit loader whenever wine32 is installed, even for
# a 64-bit program. There every Windows program goes through the 64-bit
# loader: a `wine` (and `wine-stable`, which `wineboot` calls) first in PATH
# that starts it, and WINELOADER for the processes that wine itself starts.
# No 32-bit Windows program can run there (wine 8 has no 32-on-64 mode).
# A loader that is not there at all, or whose 32-bit libraries are missing
# (exit 127), says nothing about the kernel: that is a set-up failure, and
# VORLANT_WINE32_FAULT says what to install (the 64-bit loader serves the
# rest meanwhile).
VORLANT_WINE32_LOADER="${VORLANT_WINE32_LOADER:-/usr/lib/wine/wine}"
VORLANT_WINE64_LOADER=/usr/lib/wine/wine64
VORLANT_WINE32_FAULT="${VORLANT_WINE32_FAULT:-}"
if [ -z "${VORLANT_RUNS_32BIT:-}" ]; then
    vorlant_rc=0
    vorlant_out="$("$VORLANT_WINE32_LOADER" --version 2>&1)" || vorlant_rc=$?
    case "$vorlant_rc" in
        0) VORLANT_RUNS_32BIT=1 ;;
        126) VORLANT_RUNS_32BIT=0 ;;
        *)
            VORLANT_RUNS_32BIT=0
            VORLANT_WINE32_FAULT="wine's 32-bit loader $VORLANT_WINE32_LOADER does not start (exit $vorlant_rc: ${vorlant_out:-no output}):"
            VORLANT_WINE32_FAULT+=" install wine32 and libc6:i386 (tools/setup.sh does, with the i386 architecture added)"
            ;;
    esac
    unset vorlant_rc vorlant_out
fi
export VORLANT_RUNS_32BIT VORLANT_WINE32_FAULT
if [ "$VORLANT_RUNS_32BIT" = 0 ] && [ -x "$VORLANT_WINE64_LOADER" ]; then
    vorlant_wine64_bin="$VORLANT_ROOT/build/wine64-bin"
    mkdir -p "$vorlant_wine64_bin"
    for vorlant_name in wine wine-stable; do
        printf '#!/bin/sh\nexec %s "$@"\n' "$VORLANT_WINE64_LOADER" >"$vorlant_wine64_bin/$vorlant_name"
        chmod 755 "$vorlant_wine64_bin/$vorlant_name"
    done
    case ":$PATH:" in
        *":$vorlant_wine64_bin:"*) ;;
        *) export PATH="$vorlant_wine64_bin:$PATH" ;;
    esac
    export WINELOADER="$VORLANT_WINE64_LOADER"
    unset vorlant_wine64_bin vorlant_name
fi

# The one line that says what this machine cannot run.
vorlant_no_32bit_line() {
    echo "this machine cannot run 32-bit programs (its kernel has no 32-bit support: $VORLANT_WINE32_LOADER --version fails):" \
         "the 32-bit build's Windows tests were skipped; it was built and checked without running"
}

# Runs a step of the set-up with its output in the log; when it fails, says
# which step it was and shows the command's own words.
#   vorlant_step "WHAT" COMMAND...
vorlant_step() {
    local what="$1" rc=0
    shift
    mkdir -p "$(dirname "$VORLANT_WINE_LOG")"
    "$@" >"$VORLANT_WINE_LOG" 2>&1 </dev/null || rc=$?
    if [ "$rc" -ne 0 ]; then
        echo "wine-env: $what failed (exit $rc): $*" >&2
        tail -n 20 "$VORLANT_WINE_LOG" | sed 's/^/    /' >&2
        return "$rc"
    fi
}

# A persistent wine server for WINEPREFIX; one that is running already (a
# run that ended a moment ago, whose server has not gone yet) serves too:
# wineserver -p says so with exit status 2.
vorlant_wineserver_persistent() {
    local rc=0
    wineserver -p || rc=$?
    [ "$rc" -eq 0 ] || [ "$rc" -eq 2 ]
}

# Starts Xvfb on a free display when none is set.
vorlant_display_start() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n
    for n in $(seq 91 120); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            # Room for the virtual desktop of 192 pixels per inch (below);
            # Wine's desktop sits in its top left corner.
            local log="$VORLANT_ROOT/build/xvfb.log"
            mkdir -p "$(dirname "$log")"
            Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp >"$log" 2>&1 &
            VORLANT_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && return 0
                kill -0 "$VORLANT_XVFB_PID" 2>/dev/null || break
                sleep 0.1
            done
            echo "wine-env: the X server (Xvfb :$n) did not start:" >&2
            tail -n 20 "$log" | sed 's/^/    /' >&2
            kill "$VORLANT_XVFB_PID" 2>/dev/null || true
            wait "$VORLANT_XVFB_PID" 2>/dev/null || true
            VORLANT_XVFB_PID=""
            unset DISPLAY
            return 1
        fi
    done
    echo "no free X display" >&2
    return 1
}

# Creates the prefix once, then starts a persistent wine server and warms it
# up, so that every later program starts in a fraction of a second.
vorlant_wine_start() {
    vorlant_wine_prepare || return 1
    vorlant_step "starting the wine server" vorlant_wineserver_persistent || return 1
    vorlant_step "the first wine program (wine cmd /c exit)" wine cmd /c exit
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
        vorlant_wine_prepare "${3:-}" || exit 1
        vorlant_step "starting the wine server of $WINEPREFIX" vorlant_wineserver_persistent || exit 1
        vorlant_step "the first wine program in $WINEPREFIX (wine cmd /c exit)" wine cmd /c exit
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
    # 32-bit build (its syswow64 is empty): make it anew. Where no 32-bit
    # program runs, the 64-bit loader needs only the 64-bit system.
    local system=syswow64
    [ "$VORLANT_RUNS_32BIT" = 1 ] || system=system32
    if [ -f "$WINEPREFIX/system.reg" ] && [ ! -f "$WINEPREFIX/drive_c/windows/$system/kernel32.dll" ]; then
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ] || ! grep -q 'Explorer\\\\Desktops' "$WINEPREFIX/user.reg"; then
        vorlant_step "making the wine prefix $WINEPREFIX (wineboot -i)" wineboot -i || return 1
        vorlant_step "setting the prefix's desktop" \
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f || return 1
        vorlant_step "setting the prefix's desktop size" \
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f || return 1
        wineserver -k
        wineserver -w
        if [ ! -f "$WINEPREFIX/drive_c/windows/$system/kernel32.dll" ]; then
            echo "wine-env: the new prefix $WINEPREFIX has no $system/kernel32.dll" >&2
            return 1
        fi
    fi
    # Wine reads the pixels per inch when its server starts.
    if [ -n "$dpi" ]; then
        local desktop="$((1280 * dpi / 96))x$((800 * dpi / 96))"
        if [ "$(cat "$WINEPREFIX/.vorlant-dpi" 2>/dev/null)" != "$dpi $desktop" ]; then
            vorlant_step "setting $dpi pixels per inch" \
                wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f || return 1
            vorlant_step "setting $dpi pixels per inch for the fonts" \
                wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
                     /v LogPixels /t REG_DWORD /d "$dpi" /f || return 1
            vorlant_step "setting the desktop size $desktop" \
                wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f || return 1
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

# Sourced by the scripts that print: a private CUPS scheduler whose default
# printer writes PDF files, for the Windows programs that wine runs.
#
#   vorlant_cups_start [FOLDER]   starts it with its configuration, spool,
#                                 logs and PDF output under FOLDER (default
#                                 build/cups), and exports CUPS_SERVER (its
#                                 socket, which wine's printing reads) and
#                                 VORLANT_PDF_DIR (where the PDF files land)
#   vorlant_cups_stop             stops exactly that scheduler and removes
#                                 what it put outside FOLDER
#
# The scheduler listens on a socket of its own only, so it never meets
# another cupsd on this machine, and each run writes into its own folders.
# The PDF backend reads its settings from the system's CUPS folder, by the
# name in the printer's device address: each run gets a file of its own
# there, named after the run, and removes it when it stops. Printing needs
# root (the PDF backend refuses to run otherwise).

VORLANT_ROOT="${VORLANT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
VORLANT_CUPS_PRINTER="CardPDF"
VORLANT_CUPSD_PID=""
VORLANT_CUPS_PDF_CONF=""

# The system folder in which the PDF backend looks for its settings.
vorlant_cups_pdf_conf_folder() { echo /etc/cups; }

vorlant_cups_start() {
    local dir="${1:-$VORLANT_ROOT/build/cups}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "cups-env: printing needs root; no printer for this run" >&2
        return 1
    fi
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
    if ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
        echo "cups-env: cupsd or the PDF printer driver is missing (tools/setup.sh installs them)" >&2
        return 1
    fi
    rm -rf "$dir"
    mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,pdf,pdf-spool}
    dir="$(cd "$dir" && pwd)"
    # The scheduler's helpers run as "lp" and read the spool below this
    # folder: every folder above it must let them through.
    chmod 755 "$dir" "$dir/pdf"

    local name="vorlant-$$-$RANDOM"
    cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
SystemGroup root
User lp
Group lp
EOF
    cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultPaperSize A4
MaxJobs 100
PreserveJobHistory No
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    VORLANT_CUPS_PDF_CONF="$(vorlant_cups_pdf_conf_folder)/cups-pdf-$name.conf"
    # Label 2: every job's file carries its job number, so that a second
    # card of the same title does not replace the first.
    cat >"$VORLANT_CUPS_PDF_CONF" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/pdf-spool
Log $dir/log
Grp root
Label 2
UserUMask 0022
EOF

    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    VORLANT_CUPSD_PID=$!
    export CUPS_SERVER="$dir/cups.sock"
    unset PRINTER LPDEST
    local i ready=""
    for i in $(seq 1 100); do
        if [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1; then ready=1; break; fi
        kill -0 "$VORLANT_CUPSD_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$ready" ]; then
        echo "cups-env: the print spooler (cupsd -f -c $dir/etc/cupsd.conf) did not start:" >&2
        vorlant_cups_show_log "$dir" cupsd.out error_log
        vorlant_cups_stop
        return 1
    fi
    # lpadmin warns that printer drivers are deprecated: into the log.
    if ! lpadmin -p "$VORLANT_CUPS_PRINTER" -E -v "cups-pdf:/$name" -P "$ppd" 2>>"$dir/log/lpadmin.out" ||
       ! lpadmin -d "$VORLANT_CUPS_PRINTER" 2>>"$dir/log/lpadmin.out"; then
        echo "cups-env: the PDF printer could not be set up (lpadmin -p $VORLANT_CUPS_PRINTER ...):" >&2
        vorlant_cups_show_log "$dir" lpadmin.out error_log
        vorlant_cups_stop
        return 1
    fi
    export VORLANT_PDF_DIR="$dir/pdf"
    echo "cups-env: cupsd $VORLANT_CUPSD_PID on $CUPS_SERVER, default printer $VORLANT_CUPS_PRINTER -> $VORLANT_PDF_DIR"
}

# The last lines of the named logs of the spooler in FOLDER, on stderr.
#   vorlant_cups_show_log FOLDER NAME...
vorlant_cups_show_log() {
    local dir="$1" log
    shift
    for log in "$@"; do
        [ -s "$dir/log/$log" ] || continue
        echo "  $log:" >&2
        tail -n 15 "$dir/log/$log" | sed 's/^/    /' >&2
    done
}

vorlant_cups_stop() {
    if [ -n "$VORLANT_CUPSD_PID" ]; then
        kill "$VORLANT_CUPSD_PID" 2>/dev/null || true
        wait "$VORLANT_CUPSD_PID" 2>/dev/null || true
        VORLANT_CUPSD_PID=""
    fi
    if [ -n "$VORLANT_CUPS_PDF_CONF" ]; then
        rm -f "$VORLANT_CUPS_PDF_CONF"
        VORLANT_CUPS_PDF_CONF=""
    fi
    unset CUPS_SERVER VORLANT_PDF_DIR
}

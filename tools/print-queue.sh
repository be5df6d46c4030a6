#!/usr/bin/env bash
# A CUPS scheduler with a PDF queue (cups-pdf) as the default printer, for the end-to-end
# print tests. Sourced by run-tests.sh: start_print_queue sets FILMERIA_CUPS_QUEUE and
# FILMERIA_CUPS_PDF_OUT;
# stop_print_queue stops the scheduler it started, by its own process id.

FILMERIA_CUPSD_PID=""

start_print_queue() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "print queue: not root, the CUPS print test will be skipped"
        return 0
    fi
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        /usr/sbin/cupsd -f >/dev/null 2>&1 &
        FILMERIA_CUPSD_PID=$!
        for _ in $(seq 100); do
            lpstat -r 2>/dev/null | grep -q "is running" && break
            sleep 0.1
        done
    fi
    lpadmin -p FilmeriaPDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    lpadmin -d FilmeriaPDF
    cupsaccept FilmeriaPDF
    export FILMERIA_CUPS_QUEUE=FilmeriaPDF
    # cups-pdf writes into the "Out" folder of its configuration, ${HOME}/PDF by default, where
    # HOME is the home of the job's owner in the user database (not this shell's variable).
    local out home
    out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
    out=${out:-\$\{HOME\}/PDF}
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    export FILMERIA_CUPS_PDF_OUT="${out//\$\{HOME\}/$home}"
    mkdir -p "$FILMERIA_CUPS_PDF_OUT"
    echo "print queue: FilmeriaPDF writes into $FILMERIA_CUPS_PDF_OUT"
}

stop_print_queue() {
    if [ -n "$FILMERIA_CUPSD_PID" ]; then
        kill "$FILMERIA_CUPSD_PID" 2>/dev/null || true
        wait "$FILMERIA_CUPSD_PID" 2>/dev/null || true
    fi
}

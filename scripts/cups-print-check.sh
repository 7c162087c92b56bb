#!/usr/bin/env bash
# Prints a quote on a real printer and looks at the pages that come out.
#
#   scripts/cups-print-check.sh [BUILD_DIR]
#
# Starts a CUPS server of its own: configuration, spool, logs and its one socket in a temporary
# folder (no network port, so nothing outside this machine reaches it), never the system's
# /etc/cups or its running cupsd. Adds a cups-pdf queue that writes into that folder, then runs
# the build's cups_print_test program against it: the report window's Print Report with no
# default printer, then both Print Report commands with the queue as the default. Then it reads
# the PDF files back: the job names, the letters' height in points and their place on the page,
# and the window's image at the window's size on screen.
# Needs root, as cupsd and cups-pdf do; installs cups and printer-driver-cups-pdf when missing.
# Every wait is bounded, and the server is stopped however the check ends.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${QUILLON_BUILD_DIR:-$root/build}}
program=$build/tests/printing/cups_print_test
queue=Quillon-PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || fail "needs root, to run cupsd and the cups-pdf backend"
[ -x "$program" ] || fail "$program is missing; build the tests first"

# The packages' own scripts may start the system's cupsd; this check does not use it.
source "$root/scripts/debian_packages.sh"
install_debian_packages cups printer-driver-cups-pdf poppler-utils

# In /tmp rather than $TMPDIR: cupsd runs the filters as user lp, which must reach the spooled
# files through every folder above them.
work=$(mktemp -d /tmp/quillon-cups.XXXXXX)
chmod 755 "$work"
mkdir -p "$work"/{etc,spool,cache,state,log,pdf,cups-pdf-spool,home}
# The filters keep their temporary files here, as in the system's /var/spool/cups/tmp.
install -d -m 1770 -g lp "$work/tmp"
cupsd_pid=
stop() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$cupsd_pid" 2>/dev/null || true
    fi
    if [ "${QUILLON_KEEP_CUPS_FOLDER:-0}" = 1 ]; then
        echo "CUPS folder kept: $work"
    else
        rm -rf "$work"
    fi
}
trap stop EXIT

cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
FileDevice No
CONF
cat >"$work/etc/cupsd.conf" <<CONF
LogLevel info
# Job records are written at once, not up to 30 s later.
DirtyCleanInterval 0
Listen $work/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultShared No
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
# cups-pdf reads its settings only from /etc/cups/cups-pdf.conf. The server runs in a mount
# namespace of its own where a copy pointing into the work folder is bound over that file; the
# system's file is never changed.
cat >"$work/cups-pdf.conf" <<CONF
Out $work/pdf
AnonDirName $work/pdf
Spool $work/cups-pdf-spool
Log $work/log
Grp root
UserUMask 0022
CONF
[ -f /etc/cups/cups-pdf.conf ] || fail "/etc/cups/cups-pdf.conf is missing; reinstall printer-driver-cups-pdf"

# A private mount namespace needs the root folder to be a mount point; in a chroot it is not.
if ! unshare --mount --propagation private true 2>/dev/null; then
    echo "SKIPPED: no private mount namespace can be made here (a chroot?), so cups-pdf cannot"
    echo "be pointed at a folder of this check's own; the real-printer check did not run."
    exit 0
fi

# shellcheck disable=SC2016 # the inner shell expands its own arguments
unshare --mount --propagation private -- sh -c \
    'mount --bind "$1" /etc/cups/cups-pdf.conf && exec cupsd -f -c "$2" -s "$3"' \
    sh "$work/cups-pdf.conf" "$work/etc/cupsd.conf" "$work/etc/cups-files.conf" \
    2>"$work/log/start" &
cupsd_pid=$!

export CUPS_SERVER=$work/cups.sock HOME=$work/home
unset PRINTER LPDEST
# Runs a CUPS command, bounded in case the server stops answering.
cups() { timeout 30 "$@"; }
for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && cups lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null ||
        fail "cupsd did not start: $(cat "$work/log/start" "$work/log/error_log" 2>/dev/null)"
    sleep 0.1
done
cups lpstat -r >/dev/null 2>&1 || fail "cupsd did not answer within 10 s"

run_test() {
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8 timeout 120 "$program" "$@"
}

# Without a default printer the report window prints nothing and names the queue there is.
# lpadmin warns that printer drivers (PPD files) are deprecated; cups-pdf has nothing else.
cups lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>"$work/log/lpadmin" ||
    fail "the queue could not be added: $(cat "$work/log/lpadmin")"
run_test reportWindowTellsThatNoPrinterIsTheDefault

cups lpadmin -d "$queue"
run_test printsBothReports
for _ in $(seq 600); do
    [ -z "$(cups lpstat -o)" ] && [ "$(find "$work/pdf" -name '*.pdf' -size +0 | wc -l)" -ge 2 ] && break
    sleep 0.1
done
[ -z "$(cups lpstat -o)" ] || fail "the jobs were not done within 60 s: $(cups lpstat -o)"
# Two jobs and no more: nothing was printed while no printer was the default.
[ "$(find "$work/pdf" -name '*.pdf' | wc -l)" -eq 2 ] || fail "cups-pdf wrote: $(ls "$work/pdf")"
cups lpstat -W completed -o

# cupsd keeps a record of every job (spool/cNNNNN) that holds its name.
named=$(grep -l -a -F 'Quillon quote' "$work"/spool/c* | wc -l)
[ "$named" -eq 2 ] || fail "$named of the 2 jobs are named \"Quillon quote\" in the queue"

# cups-pdf ends each file name with the job's number: 1 the Report tab's, 2 the report window's.
report=$(find "$work/pdf" -name '*job_1.pdf')
window=$(find "$work/pdf" -name '*job_2.pdf')
if [ ! -s "$report" ] || [ ! -s "$window" ]; then
    fail "cups-pdf wrote: $(ls "$work/pdf")"
fi

# The quote at 8.25 pt: its lines 9.5 pt apart (Liberation Sans' line height is 1.15 times the
# size), every word about as high as that (ghostscript's fonts measure a little taller than
# Qt's), and all of it on the page at least 1.5 cm from each edge. The letters themselves are
# Type 3 glyphs after ghostscript, so pdftotext reads their places but not their text.
pdftotext -bbox "$report" - 2>/dev/null | awk '
    /<page / { match($0, /width="[0-9.]+"/); width = substr($0, RSTART + 7, RLENGTH - 8) + 0
               match($0, /height="[0-9.]+"/); height = substr($0, RSTART + 8, RLENGTH - 9) + 0 }
    /<word / {
        split($0, f, "\"")
        xmin = f[2] + 0; ymin = f[4] + 0; xmax = f[6] + 0; ymax = f[8] + 0
        words++
        if (ymax - ymin < 7 || ymax - ymin > 14) { bad++; print "height " ymax - ymin ": " $0 }
        if (xmin < 42 || ymin < 42 || xmax > width - 42 || ymax > height - 42) {
            bad++; print "off the area: " $0 }
        if (left == "" || xmin < left) left = xmin
        if (xmax > right) right = xmax
        bottoms[words] = ymax
    }
    END {
        count = lines_and_pitch()
        printf "report: %d words in %d lines on a %.0f x %.0f pt page, %.0f pt wide, lines at least %.1f pt apart\n",
            words, count, width, height, right - left, pitch
        if (count < 16) { print "fewer lines than the quote has"; exit 1 }
        if (pitch < 8.5 || pitch > 11) { print "not 8.25 pt lines"; exit 1 }
        if (right - left < 150) { print "the quote is too narrow"; exit 1 }
        exit bad > 0
    }
    # Words whose bottoms lie within 3 pt of each other stand on one line (ghostscript moves
    # some by a fraction of a point); sets the least distance between lines, returns their count.
    function lines_and_pitch(   i, j, y, k, gap) {
        for (i = 2; i <= words; i++) {   # insertion sort: a few dozen words
            y = bottoms[i]; j = i - 1
            while (j > 0 && bottoms[j] > y) { bottoms[j + 1] = bottoms[j]; j-- }
            bottoms[j + 1] = y
        }
        k = words > 0; pitch = 0
        for (i = 2; i <= words; i++) {
            gap = bottoms[i] - bottoms[i - 1]
            if (gap <= 3) continue
            k++
            if (pitch == 0 || gap < pitch) pitch = gap
        }
        return k
    }' || fail "the Report tab's page is not the quote at its real size"

# The window's image prints at the window's size on a 96 dpi screen, 312 x 463 px or 3.25 x 4.82
# inches, however finely it was drawn or ghostscript resampled it (pixels over pixels per inch).
pdfimages -list "$window" | awk '
    NR > 2 && $13 > 0 && $14 > 0 {
        images++; width = $4 / $13; height = $5 / $14
        printf "report window: image of %d x %d px at %d x %d ppi, %.2f x %.2f inches\n",
            $4, $5, $13, $14, width, height
        if (width < 3.15 || width > 3.35 || height < 4.72 || height > 4.92) bad++
    }
    END { exit images < 1 || bad > 0 }' \
    || fail "the report window's page holds no image of the window at its size on screen"

if [ -n "${QUILLON_PRINTED_PAGES:-}" ]; then
    mkdir -p "$QUILLON_PRINTED_PAGES"
    cp "$report" "$QUILLON_PRINTED_PAGES/report-tab.pdf"
    cp "$window" "$QUILLON_PRINTED_PAGES/report-window.pdf"
fi
echo "Both reports printed on a cups-pdf queue as \"Quillon quote\", the quote at its real size."

#!/bin/sh
# Runs a QtTest program under Wine and shows its log. The log that such a program writes to a pipe
# under Wine is lost (only a terminal gets it), so it goes to a file and is shown afterwards.
#   wine_qtest.sh PROGRAM.exe ARGUMENTS...
# The headless platform finds its fonts only in the folder QT_QPA_FONTDIR names, and Wine hides
# every QT_* variable from Windows programs, so the variable is set inside Windows: the Liberation
# faces (Debian's fonts-liberation), which measure as the Arial the windows ask for.
fonts=${QUILLON_TEST_FONT_DIR:-/usr/share/fonts/truetype/liberation}
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}
log=$(mktemp)
program=$(windows_path "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")")
shift
wine cmd /c "set QT_QPA_FONTDIR=$(windows_path "$fonts")&& $program $* -o $(windows_path "$log"),txt"
status=$?
cat "$log"
rm -f "$log"
exit "$status"

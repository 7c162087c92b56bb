#!/bin/sh
# Runs a QtTest program under Wine and shows its log. The log that such a program writes to a pipe
# under Wine is lost (only a terminal gets it), so it goes to a file and is shown afterwards.
#   wine_qtest.sh PROGRAM.exe ARGUMENTS...
log=$(mktemp)
wine "$@" -o "$log,txt"
status=$?
cat "$log"
rm -f "$log"
exit "$status"

#!/bin/sh
# A program folder that the user running the tests may not add a file to, as Program Files is to
# a standard user on Windows, holding a quote file kept there from before:
#   closed_folder.sh close FOLDER    makes it: immutable when run by root (whom no permission
#                                    stops, under Wine as on Linux), read-only to anyone else;
#   closed_folder.sh open FOLDER     removes it again.
set -eu
folder=$2
case $1 in
close)
    [ ! -e "$folder" ] || "$0" open "$folder"
    mkdir -p "$folder"
    printf 'Kept beside the program\r\n' >"$folder/quote.txt"
    if [ "$(id -u)" -eq 0 ]; then
        chattr +i "$folder" || {
            echo "the file system of $folder cannot make a folder immutable (chattr +i)" >&2
            exit 1
        }
    else
        chmod 555 "$folder"
    fi
    ;;
open)
    chattr -i "$folder" 2>/dev/null || true
    chmod 755 "$folder"
    rm -rf "$folder"
    ;;
esac

#!/usr/bin/env bash
# The Windows installer run over an install of its own, under Wine in a prefix of its own: installs
# silently into another folder than the default, keeps a quote file and a rate there, installs
# again silently without naming a folder, and checks that the second install went into the first
# one's folder, with one entry among the installed programs that points there and gives its size,
# and that the quote file and the rate stayed; then starts the installed program and checks that a
# silent install meanwhile fails, leaving the program as it was.
#   check_windows_upgrade.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1 build=$2

for tool in wine wineserver makensis Xvfb; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/windows_session.sh"
program=''
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    end_windows_session
}
trap cleanup EXIT
start_windows_session
folder=$drive_c/Apps/Quillon
default_folder="$drive_c/Program Files/Quillon"
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
rate_key='HKCU\Software\VB and VBA Program Settings\Myapp\Controls'
registry_value() { # key name
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = $2 = ""; sub(/^  /, ""); print }'
}

wine "$installer" /S '/D=C:\Apps\Quillon' || fail "the first install failed"
[ -f "$folder/quillon.exe" ] || fail "the first install put no quillon.exe in C:\\Apps\\Quillon"
printf 'Client:       Smith\r\n' >"$folder/quote.txt"
wine reg add "$rate_key" /v gst /t REG_SZ /d 12.5 /f >/dev/null 2>&1

wine "$installer" /S || fail "the second install failed"
[ ! -e "$default_folder" ] || fail "the second install made a second copy in C:\\Program Files\\Quillon"
entries=$(wine reg query "$uninstall_keys" /s 2>/dev/null | tr -d '\r' |
          grep -c 'DisplayName.*Vellan Price Calculator' || true)
[ "$entries" = 1 ] || fail "$entries entries 'Vellan Price Calculator' among the installed programs, not 1"
uninstall=$(registry_value "$uninstall_keys\\Quillon" UninstallString)
[ "$uninstall" = '"C:\Apps\Quillon\Uninstall.exe"' ] ||
    fail "the installed programs' entry uninstalls with '$uninstall'"
size=$(registry_value "$uninstall_keys\\Quillon" EstimatedSize)
# The Qt libraries alone take more than 10 MiB; the value is in KiB.
if [[ $size != 0x* ]] || ((size < 10240 || size > 200000)); then
    fail "the installed programs' entry gives a size of '$size' KiB"
fi
[ "$(cat "$folder/quote.txt")" = $'Client:       Smith\r' ] || fail "the second install changed quote.txt"
[ "$(registry_value "$rate_key" gst)" = 12.5 ] || fail "the second install changed the rate"
[ ! -e "$folder/styles" ] || fail "the installer ships a style plugin the program never loads"

# While the installed program runs, a silent install fails and changes nothing.
(cd "$folder" && exec wine 'C:\Apps\Quillon\quillon.exe') &
program=$!
sleep 8
kill -0 "$program" 2>/dev/null || fail "the installed program did not keep running"
before=$(stat -c %Y "$folder/quillon.exe")
status=0
wine "$installer" /S || status=$?
[ "$status" = 2 ] || fail "a silent install while the program runs ended with exit code $status, not 2"
[ "$(stat -c %Y "$folder/quillon.exe")" = "$before" ] ||
    fail "a silent install while the program runs replaced quillon.exe"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
program=

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "reinstalled into the first install's folder, kept the quote file and the rate, refused while running"

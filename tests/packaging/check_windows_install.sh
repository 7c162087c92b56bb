#!/usr/bin/env bash
# The Windows installer from end to end, under Wine in a prefix of its own and on a private Xvfb:
# installs silently, checks the installed folder (its run-time libraries stripped), its Start-menu
# shortcut and its entry in the installed programs, starts the installed program, types a rate
# and a price, makes a quote with View Report (answering the two prompts as a user would),
# closes the window and checks that the quote file stands beside the program and the rate in the
# registry; starts it again and makes a quote without typing a rate, which must be worked out
# with the kept one; starts it a third time with the install folder closed to writing, as for a
# standard user, and makes, saves and shows a quote in the data folder; then uninstalls silently
# and checks that the program went and the quote file and the rate stayed.
#   check_windows_install.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1 build=$2

for tool in wine wineserver Xvfb xdotool makensis x86_64-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/windows_session.sh"
cleanup() {
    [ -z "${closed:-}" ] || chattr -R -i "$scratch" 2>/dev/null || true
    end_windows_session
}
trap cleanup EXIT
start_windows_session
folder="$drive_c/Program Files/Quillon"
win_folder='C:\Program Files\Quillon'
rate_key='HKCU\Software\VB and VBA Program Settings\Myapp\Controls'

# wine returns when the program it started has ended.
wine "$installer" /S
for file in quillon.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
            libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
            imageformats/qjpeg.dll; do
    [ -f "$folder/$file" ] || fail "the installer put no $file in $win_folder"
done
# The compiler's run-time libraries come with all their symbols; the installer ships them stripped.
for file in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    sections=$(x86_64-w64-mingw32-objdump -h "$folder/$file" 2>/dev/null) || continue
    [[ $sections != *.debug_* ]] || fail "$file is installed with its debugging symbols"
done
shortcut=$(find "$drive_c/ProgramData/Microsoft/Windows/Start Menu" -name 'Vellan Price Calculator.lnk')
[ -n "$shortcut" ] || fail "no Start-menu shortcut 'Vellan Price Calculator'"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\quillon'
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q 'Vellan Price Calculator' ||
    fail "no entry 'Vellan Price Calculator' among the installed programs"

# The main window and the prompts are found by their titles, as Wine names its X windows; Qt adds
# the program's name to every other window's title ("Report - Vellan Price Calculator").
window() { # title -> the X window, once it is shown
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 && return
        sleep 0.1
    done
    return 1
}
# A click at a point of the window's client area, in pixels, as the layout places the controls.
click() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}
# The prompts take the keyboard focus when they open; the typing goes to the one that is open.
answer() { # text
    sleep 2
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 1
}

# Starts the installed program and waits for its main window (`main`).
start_program() {
    (cd "$folder" && wine "$win_folder\\quillon.exe") &
    program=$!
    main=$(window 'Vellan Price Calculator') || { echo "FAIL: the installed program shows no window" >&2; exit 1; }
    sleep 2
    xdotool windowfocus --sync "$main"
}

# Types the rate (when given) and a price into the started program and makes a quote with View
# Report.
make_quote() { # rate price customer product
    # The rate and price boxes on the Calculator tab, Calculate, then the Report tab and its View
    # Report button.
    if [ -n "$1" ]; then
        click "$main" 112 33
        xdotool key ctrl+a
        xdotool type --delay 20 "$1"
    fi
    click "$main" 240 49
    xdotool type --delay 20 "$2"
    click "$main" 96 400
    click "$main" 130 10
    click "$main" 52 396
    answer "$3"
    answer "$4"
}

close_program() {
    # Closed as a user closes it, Alt held down on its own first: Wine misses the two keys sent
    # at once, and a press while the prompts' windows are still going away; so it is pressed
    # again until the program has ended.
    for _ in 1 2 3 4 5; do
        sleep 2
        kill -0 "$program" 2>/dev/null || break
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        xdotool keydown alt
        sleep 0.2
        xdotool key F4
        sleep 0.2
        xdotool keyup alt
    done
    wait "$program" || fail "the program did not end well after its window was closed"
}

# One session: starts the installed program, makes a quote and closes the window.
session() { # rate price customer product
    start_program
    make_quote "$@"
    close_program
}

session 12.5 110 Smith Desk
if [ -f "$folder/quote.txt" ]; then
    grep -q $'^Client:       Smith\r$' "$folder/quote.txt" ||
        fail "quote.txt does not hold the quote for Smith: $(head -c 300 "$folder/quote.txt")"
else
    fail "View Report wrote no quote.txt beside the program"
fi
rate=$(wine reg query "$rate_key" /v gst 2>/dev/null | tr -d '\r' | awk '$1 == "gst" { print $3 }')
[ "$rate" = 12.5 ] || fail "the rate in the registry is '$rate', not 12.5"

# Started again, the program works with the kept rate: 112.50 with 12.5 % GST holds 12.50 of GST.
session "" 112.5 Jones Chair
grep -A6 $'^Client:       Jones\r$' "$folder/quote.txt" 2>/dev/null | grep -q '^GST Paid .*\$12\.50' ||
    fail "the quote after a restart was not worked out with the kept rate: $(head -c 400 "$folder/quote.txt")"

# As a standard user runs it: the install folder closed to writing, as Program Files is to a user
# without administrator rights (root's Wine may write anywhere else). The quote goes to the data
# folder, told once in a note, Save to File adds its record there and View History shows that
# file in Notepad.
if chattr +i "$folder"; then
    closed=yes
    data="$drive_c/users/$(whoami)/AppData/Local/Vellan Computers/Vellan"
    win_data="C:\\users\\$(whoami)\\AppData\\Local\\Vellan Computers\\Vellan"
    beside=$(cat "$folder/quote.txt")
    start_program
    make_quote "" 110 Brown Lamp
    if note=$(window 'Quote file - .*'); then
        xdotool windowfocus --sync "$note"
        xdotool key Return
    else
        fail "View Report in a closed folder told nothing of the data folder"
    fi
    for _ in $(seq 100); do
        grep -q $'^Client:       Brown\r$' "$data/quote.txt" 2>/dev/null && break
        sleep 0.1
    done
    ! xdotool search --onlyvisible --name '^Error - ' >/dev/null 2>&1 ||
        fail "View Report in a closed folder showed an error box"
    grep -q $'^Client:       Brown\r$' "$data/quote.txt" 2>/dev/null ||
        fail "View Report in a closed folder wrote no quote into $win_data"
    [ "$(cat "$folder/quote.txt")" = "$beside" ] || fail "the closed folder's quote.txt changed"
    if report=$(window 'Report - .*'); then
        # Save to File and View History, along the report window's bottom.
        click "$report" 56 448
        if saved=$(window 'Success - .*'); then
            xdotool windowfocus --sync "$saved"
            xdotool key Return
        else
            fail "Save to File in a closed folder did not say Quote Saved"
        fi
        [ "$(grep -c $'^Client:       Brown\r$' "$data/quote.txt")" = 2 ] ||
            fail "Save to File added no record to $win_data\\quote.txt"
        click "$report" 152 448
        if editor=$(window 'quote.txt - Notepad'); then
            # Wine gives the process the arguments Windows parsed from its command line (padded
            # with blanks to the length of the Unix one): the editor, and the quoted path as one.
            started=()
            editor_pid=$(pgrep -f 'notepad\.exe' | head -n1 || true)
            if [ -n "$editor_pid" ]; then
                while IFS= read -r -d '' argument || [ -n "$argument" ]; do
                    argument=${argument%"${argument##*[! ]}"}
                    [ -z "$argument" ] || started+=("$argument")
                done <"/proc/$editor_pid/cmdline"
            fi
            [ "${#started[@]}" = 2 ] && [ "${started[0]}" = 'C:\windows\notepad.exe' ] &&
                [ "${started[1]}" = "$win_data\\quote.txt" ] ||
                fail "View History started Notepad as '${started[*]}', not on $win_data\\quote.txt"
            xdotool windowfocus --sync "$editor"
            xdotool keydown alt key F4 keyup alt
        else
            fail "View History showed no Notepad on quote.txt"
        fi
    else
        fail "View Report in a closed folder showed no report window"
    fi
    close_program
    chattr -i "$folder"
else
    fail "the install folder could not be closed to writing (chattr +i): is this root on ext4?"
fi

# The uninstaller runs on from a copy of itself, so its work is waited for by what it removes: it
# removes its own file before the shortcut, which on a busy machine is still there a moment later.
wine "$win_folder\\Uninstall.exe" /S
for _ in $(seq 300); do
    [ -e "$folder/Uninstall.exe" ] || [ -e "$shortcut" ] || break
    sleep 0.1
done
[ ! -e "$folder/quillon.exe" ] || fail "the uninstaller left quillon.exe"
[ ! -e "$folder/Qt6Core.dll" ] || fail "the uninstaller left Qt6Core.dll"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
[ -f "$folder/quote.txt" ] || fail "the uninstaller removed the user's quote.txt"
wine reg query "$rate_key" /v gst >/dev/null 2>&1 || fail "the uninstaller removed the rate"

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed silently, quoted, kept the rate, uninstalled"

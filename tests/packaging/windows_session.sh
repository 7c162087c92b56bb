# Sourced by the Windows installer checks, with `cpack` and `build` set: the failure count, and a
# session of their own in a scratch folder: the installer made there from the build, a private
# Xvfb for the installed program to draw on (the installer ships no headless platform) and a fresh
# Wine prefix.
#   fail MESSAGE...          counts a failure and says it
#   start_windows_session    sets scratch, installer, xvfb_pid, DISPLAY, WINEPREFIX and drive_c
#   end_windows_session      ends the prefix's programs and the Xvfb, and removes the scratch folder

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

scratch='' xvfb_pid=''

start_windows_session() {
    scratch=$(mktemp -d)
    "$cpack" --config "$build/CPackConfig.cmake" -G NSIS -B "$scratch/out" >/dev/null
    installer=$(find "$scratch/out" -maxdepth 1 -name '*.exe')
    [ -f "$installer" ] || { echo "FAIL: no installer in: $(ls "$scratch/out")" >&2; exit 1; }

    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 500); do
        [ -s "$scratch/display" ] && break
        sleep 0.01
    done
    [ -s "$scratch/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    DISPLAY=:$(cat "$scratch/display")
    export DISPLAY
    export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot -i >/dev/null 2>&1
    drive_c=$WINEPREFIX/drive_c
}

end_windows_session() {
    [ -z "$scratch" ] || WINEPREFIX=$scratch/prefix wineserver -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    [ -z "$scratch" ] || rm -rf "$scratch"
}

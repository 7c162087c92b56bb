# Sourced by the scripts that build Quillon for Windows or run it under Wine (scripts/windows.sh,
# bench/startup --wine), with `root` set to the project folder:
#   windows_qt                 sets `qt` to the Qt for Windows (../shared/qt6-windows beside the
#                              project, or QUILLON_QT_WINDOWS), or says how to make one and fails;
#   windows_packages           the Debian packages the build and the runs under Wine need;
#   windows_configure BUILD    configures the folder BUILD with mingw-w64 and that Qt;
#   wine_environment           exports what Wine needs to run the build's programs quietly.

windows_qt() {
    qt=${QUILLON_QT_WINDOWS:-$root/../shared/qt6-windows}
    if [ ! -f "$qt/mingw-toolchain.cmake" ] || [ ! -d "$qt/lib/cmake/Qt6" ]; then
        echo "No Qt for Windows in $qt." >&2
        echo "Build one (about an hour on two cores, as root) with:" >&2
        echo "    $root/../shared/tools/build-qt-windows $qt" >&2
        echo "or name another with QUILLON_QT_WINDOWS=/path/to/qt6-windows." >&2
        return 1
    fi
    qt=$(cd "$qt" && pwd)
}

# Host tools (moc, rcc, uic) come from Debian's Qt of the same version; the install check runs
# the installed program on a private Xvfb and drives it with xdotool.
windows_packages=(cmake ninja-build qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix
                  binutils-mingw-w64-x86-64 wine wine64 nsis zip fonts-liberation
                  xvfb xdotool)

windows_configure() { # build-folder
    cmake -S "$root" -B "$1" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
}

wine_environment() {
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
    # The Qt and mingw runtime DLLs are found where they are, not copied beside every program.
    local libgcc
    libgcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    export WINEPATH="Z:$qt/bin;Z:$libgcc;Z:/usr/x86_64-w64-mingw32/lib"
}

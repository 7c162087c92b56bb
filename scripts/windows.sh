#!/usr/bin/env bash
# Builds Quillon for 64-bit Windows on Debian and tests it under Wine:
#   scripts/windows.sh
# installs the Debian packages it needs (when missing), configures build-windows/ with mingw-w64
# and the Qt for Windows in ../shared/qt6-windows beside the project (QUILLON_QT_WINDOWS to name
# another), builds quillon.exe and every test, runs the whole suite under Wine (headless, in a
# private Wine prefix), then packages the installer and the zip. QUILLON_WINDOWS_BUILD_DIR names
# another build folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLON_WINDOWS_BUILD_DIR:-$root/build-windows}
qt=${QUILLON_QT_WINDOWS:-$root/../shared/qt6-windows}

if [ ! -f "$qt/mingw-toolchain.cmake" ] || [ ! -d "$qt/lib/cmake/Qt6" ]; then
    echo "No Qt for Windows in $qt." >&2
    echo "Build one (about an hour on two cores, as root) with:" >&2
    echo "    $root/../shared/tools/build-qt-windows $qt" >&2
    echo "or name another with QUILLON_QT_WINDOWS=/path/to/qt6-windows." >&2
    exit 1
fi
qt=$(cd "$qt" && pwd)

# Host tools (moc, rcc, uic) come from Debian's Qt of the same version; the install check runs
# the installed program on a private Xvfb and drives it with xdotool.
packages=(cmake ninja-build qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix
          binutils-mingw-w64-x86-64 wine wine64 nsis zip fonts-liberation
          xvfb xdotool)
source "$root/scripts/debian_packages.sh"
install_debian_packages "${packages[@]}"

cmake -S "$root" -B "$build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$build"

# A Wine prefix of the build's own, so the tests never touch the user's Windows programs or
# registry; Wine hides QT_* variables from Windows programs, so each test names its platform
# on its command line instead.
export WINEPREFIX=${QUILLON_WINEPREFIX:-$build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
# The Qt and mingw runtime DLLs are found where they are, not copied beside every test.
export WINEPATH="Z:$qt/bin;Z:$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)");Z:/usr/x86_64-w64-mingw32/lib"
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" || status=1
wineserver -k 2>/dev/null || true
[ "$status" = 0 ] || exit 1

# The installer and the zip, from the packaging the build configures (CPack's NSIS and ZIP).
if [ -f "$build/CPackConfig.cmake" ]; then
    (cd "$build" && cpack)
else
    echo "NOT PACKAGED: this build configures no installer or zip yet ($build/CPackConfig.cmake)." >&2
fi

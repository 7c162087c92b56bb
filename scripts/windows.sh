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

source "$root/scripts/windows_build.sh"
source "$root/scripts/debian_packages.sh"
windows_qt
install_debian_packages "${windows_packages[@]}"
windows_configure "$build"
cmake --build "$build"

# A Wine prefix of the build's own, so the tests never touch the user's Windows programs or
# registry; Wine hides QT_* variables from Windows programs, so each test names its platform
# on its command line instead.
export WINEPREFIX=${QUILLON_WINEPREFIX:-$build/wine-prefix}
wine_environment
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

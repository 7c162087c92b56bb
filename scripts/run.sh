#!/usr/bin/env bash
# Builds Quillon when needed and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The program alone: the tests, fuzz replays and benchmarks are built by scripts/test.sh.
QUILLON_BUILD_TARGETS=quillon "$root/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Quillon needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset)."
    exit 1
fi
exec "${QUILLON_BUILD_DIR:-$root/build}/src/app/quillon"

#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures and builds into
# build/: everything, or only the targets named in QUILLON_BUILD_TARGETS (run.sh builds the
# program alone). Called by run.sh and test.sh; safe to run again at any time.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLON_BUILD_DIR:-$root/build}

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation xdg-utils
          libbenchmark-dev poppler-utils desktop-file-utils appstream dpkg-dev file)
# The thorough test run (scripts/test.sh --thorough) also needs clang with its sanitizer and
# fuzzer runtimes, and the static checkers.
if [ "${QUILLON_THOROUGH:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev clang-tidy cppcheck)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done

if ((${#missing[@]})); then
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}"; exit 1; }
        as_root=(sudo)
    fi
    echo "Installing Debian packages: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$build" -G Ninja -Wno-dev "$@" >/dev/null
if [ -n "${QUILLON_BUILD_TARGETS:-}" ]; then
    # shellcheck disable=SC2086 # a list of target names
    cmake --build "$build" --target $QUILLON_BUILD_TARGETS
else
    cmake --build "$build"
fi

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

source "$root/scripts/debian_packages.sh"
install_debian_packages "${packages[@]}"

cmake -S "$root" -B "$build" -G Ninja -Wno-dev "$@" >/dev/null
if [ -n "${QUILLON_BUILD_TARGETS:-}" ]; then
    # shellcheck disable=SC2086 # a list of target names
    cmake --build "$build" --target $QUILLON_BUILD_TARGETS
else
    cmake --build "$build"
fi

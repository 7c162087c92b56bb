#!/usr/bin/env bash
# The run command builds the program alone, and the test command builds everything. Both scripts
# run against stand-ins for dpkg-query, cmake and ctest that only record how they were called.
#   check_build_targets.sh SOURCE_DIR
set -euo pipefail
root=$1

stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
log=$stubs/calls
for tool in cmake ctest; do
    printf '#!/bin/sh\necho "%s $*" >> "%s"\n' "$tool" "$log" >"$stubs/$tool"
done
printf '#!/bin/sh\nprintf "install ok installed"\n' >"$stubs/dpkg-query"
chmod +x "$stubs"/*

failures=0
builds() {
    grep '^cmake --build' "$log" || true
}

# Without a display run.sh stops after the build, before starting the program.
: >"$log"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$stubs:$PATH" \
    QUILLON_BUILD_DIR="$stubs/build" bash "$root/scripts/run.sh" >/dev/null 2>&1 || true
if [ "$(builds)" != "cmake --build $stubs/build --target quillon" ]; then
    echo "FAIL: run.sh built: $(builds)" >&2
    failures=$((failures + 1))
fi

: >"$log"
env PATH="$stubs:$PATH" QUILLON_BUILD_DIR="$stubs/build" bash "$root/scripts/test.sh" \
    >/dev/null 2>&1 || true
if [ "$(builds)" != "cmake --build $stubs/build" ]; then
    echo "FAIL: test.sh built: $(builds)" >&2
    failures=$((failures + 1))
fi
grep -q '^ctest ' "$log" || { echo "FAIL: test.sh ran no tests" >&2; failures=$((failures + 1)); }

exit $((failures > 0))

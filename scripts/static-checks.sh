#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the program's own sources in src/; any
# finding fails. Needs a configured build folder for the compile commands (default build-asan,
# as the thorough test run leaves it).
#
#   scripts/static-checks.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-asan}

mapfile -t sources < <(cd "$root" && find src -name '*.cpp' | sort)
# Qt's generated sources must exist before clang-tidy can follow the includes.
cmake --build "$build" >/dev/null

failed=0
echo "clang-tidy: ${#sources[@]} files"
if ! (cd "$root" && run-clang-tidy-14 -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$root/}" \
        >"$build/clang-tidy.log" 2>&1); then
    failed=1
    sed "s/\x1b\[[0-9;]*m//g" "$build/clang-tidy.log" | grep -E "warning:|error:" | sort -u | sed "s/^/  /"
    echo "  clang-tidy found problems; see $build/clang-tidy.log"
fi

echo "cppcheck: src/"
# Qt's macros come from the qt library file; system and Qt headers are not ours to check.
if ! cppcheck --quiet --std=c++20 --library=qt --enable=warning,performance,portability \
        --inline-suppr --error-exitcode=1 --suppress=missingIncludeSystem \
        -j "$(nproc)" -DQT_NO_KEYWORDS $(find "$root/src" -type d -printf '-I%p ') \
        "$root/src" 2>"$build/cppcheck.log"; then
    failed=1
    sed 's/^/  /' "$build/cppcheck.log"
    echo "  cppcheck found problems; see $build/cppcheck.log"
fi
exit "$failed"

#!/usr/bin/env bash
# Builds Quillon when needed and runs every test headless.
#
#   scripts/test.sh              the tests (a few minutes)
#   scripts/test.sh --thorough   the tests; when run as root, the file fault tests again as an
#                                unprivileged user (QUILLON_TEST_USER, default quillon-test, made
#                                when missing); then the whole suite again built with
#                                AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), every
#                                fuzz target for 30 s (QUILLON_FUZZ_SECONDS), and clang-tidy and
#                                cppcheck; as root also both Print Report commands on a CUPS
#                                queue of its own (scripts/cups-print-check.sh)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLON_BUILD_DIR:-$root/build}

case "${1:-}" in
"") thorough=0 ;;
--thorough) thorough=1 ;;
*) echo "usage: $0 [--thorough]" >&2; exit 2 ;;
esac

QUILLON_THOROUGH=$thorough "$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
if [ "$thorough" = 0 ]; then
    exec ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
fi

asan=${QUILLON_ASAN_BUILD_DIR:-$root/build-asan}
source "$root/scripts/sanitized_build.sh"

sanitized_build() {
    configure_sanitized_build "$asan" && cmake --build "$asan"
}

# Any sanitizer report ends the test with an error. Leaks are reported too; Qt and fontconfig
# free everything they allocate for these tests, so no suppressions are needed.
sanitized_tests() {
    ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir "$asan" --output-on-failure -j "$(nproc)" --timeout 1200
}

# The tests whose rows need file permissions to stop the user (a read-only folder, an unreadable
# file); as root those rows skip themselves.
permission_tests=(quote_file_test quote_folder_test view_report_test
                  writer_faults_test setting_faults_test reader_faults_test)
test_user=${QUILLON_TEST_USER:-quillon-test}

# Runs the permission tests as an unprivileged user, from a copy of their programs in a folder of
# that user's own, so that the build tree (perhaps under /root) need not be opened to them.
unprivileged_tests() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "Not root: the tests above already ran as an unprivileged user."
        return 0
    fi
    if ! id -u "$test_user" >/dev/null 2>&1 &&
        ! useradd --system --no-create-home --shell /usr/sbin/nologin "$test_user"; then
        echo "SKIPPED: no unprivileged user could be made (useradd failed), so the rows that"
        echo "need one did not run."
        return 0
    fi
    local scratch status=0 name
    scratch=$(mktemp -d)
    mkdir "$scratch/bin" "$scratch/home" "$scratch/tmp" "$scratch/runtime"
    for name in "${permission_tests[@]}"; do
        cp "$(find "$build/tests" -type f -name "$name" -perm -u+x | head -n1)" "$scratch/bin/"
    done
    chown -R "$test_user" "$scratch"
    chmod 755 "$scratch"
    chmod 700 "$scratch/runtime"
    for name in "${permission_tests[@]}"; do
        echo "--- $name as $test_user"
        runuser -u "$test_user" -- env -i PATH=/usr/bin:/bin HOME="$scratch/home" \
            TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
            LC_ALL=C.UTF-8 LANG=C.UTF-8 "$scratch/bin/$name" -silent || status=1
    done
    rm -rf "$scratch"
    return "$status"
}

# Printing on a real printer needs cupsd and the cups-pdf backend, which run only as root.
cups_printing() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIPPED: printing on a CUPS queue needs root (cupsd, cups-pdf); CI runs it as root."
        return 0
    fi
    "$root/scripts/cups-print-check.sh" "$build"
}

failed=0
summary=()
stage() {
    local name=$1 start=$SECONDS
    shift
    echo
    echo "=== $name"
    if "$@"; then
        summary+=("$(printf 'passed  %-42s %5d s' "$name" $((SECONDS - start)))")
    else
        summary+=("$(printf 'FAILED  %-42s %5d s' "$name" $((SECONDS - start)))")
        failed=1
    fi
}

stage "Tests" ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
stage "File fault tests as an unprivileged user" unprivileged_tests
stage "Build with ASan and UBSan" sanitized_build
stage "Tests under ASan and UBSan" sanitized_tests
stage "Fuzzing, ${QUILLON_FUZZ_SECONDS:-30} s per target" \
    "$root/scripts/fuzz.sh" "${QUILLON_FUZZ_SECONDS:-30}"
stage "Static checks (clang-tidy, cppcheck)" "$root/scripts/static-checks.sh" "$asan"
stage "Printing on a CUPS queue" cups_printing

echo
echo "=== Summary ($((SECONDS / 60)) min $((SECONDS % 60)) s)"
printf '%s\n' "${summary[@]}"
exit "$failed"

#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time, a few at a time, and tells how many inputs each
# tried. Builds the targets first (clang, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-asan/, the folder the thorough test run uses.
#
#   scripts/fuzz.sh [seconds per target, default 30] [targets at once, default: processors]
#
# What a target learns is kept in build-asan/fuzz-corpus/ and used again by the next run; an input
# that fails is saved in build-asan/fuzz-findings/. Copy such an input into
# tests/fuzz/regressions/<target>/ so that every build replays it from then on.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLON_ASAN_BUILD_DIR:-$root/build-asan}
seconds=${1:-30}
parallel=${2:-$(nproc)}

targets=(leading_number whole_text_number price_or_rate amount_format price_calculation quote_file
         rtf_reader)

source "$root/scripts/sanitized_build.sh"
configure_sanitized_build "$build"
cmake --build "$build" --target "${targets[@]/%/_fuzzer}"

# One target: its binary, seeds and dictionary.
fuzz_one() {
    local target=$1 seeds dictionary binary
    if [ "$target" = rtf_reader ]; then
        seeds=$root/tests/rtf/fuzz/corpus dictionary=$root/tests/rtf/fuzz/rtf.dict
        binary=$build/tests/rtf/rtf_reader_fuzzer
    else
        seeds=$root/tests/fuzz/corpus/$target dictionary=$root/tests/fuzz/pricing.dict
        binary=$build/tests/fuzz/${target}_fuzzer
        [ "$target" = quote_file ] && dictionary=
    fi
    mkdir -p "$build/fuzz-corpus/$target" "$build/fuzz-findings"
    local options=(-max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=4096
                   -artifact_prefix="$build/fuzz-findings/$target-")
    [ -n "$dictionary" ] && options+=(-dict="$dictionary")
    QT_QPA_PLATFORM=offscreen "$binary" "${options[@]}" "$build/fuzz-corpus/$target" "$seeds" \
        >"$build/fuzz-findings/$target.log" 2>&1
}

echo "Fuzzing ${#targets[@]} targets for $seconds s each, $parallel at a time"
declare -A status
running=()
for target in "${targets[@]}"; do
    fuzz_one "$target" &
    running+=("$!:$target")
    if ((${#running[@]} >= parallel)); then
        entry=${running[0]}
        running=("${running[@]:1}")
        wait "${entry%%:*}" && status[${entry#*:}]=0 || status[${entry#*:}]=$?
    fi
done
for entry in "${running[@]}"; do
    wait "${entry%%:*}" && status[${entry#*:}]=0 || status[${entry#*:}]=$?
done

failed=0
total=0
for target in "${targets[@]}"; do
    log=$build/fuzz-findings/$target.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    total=$((total + runs))
    if [ "${status[$target]}" -eq 0 ]; then
        printf '  %-20s %12s inputs, no finding\n' "$target" "$runs"
    else
        failed=1
        printf '  %-20s FAILED after %s inputs; see %s\n' "$target" "$runs" "$log"
        grep -m 5 -E 'ERROR|runtime error|Property broken|Test unit written' "$log" | sed 's/^/      /'
    fi
done
printf '  %-20s %12s inputs\n' total "$total"
exit "$failed"

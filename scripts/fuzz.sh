#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz and runs each for the given seconds
# (default 60) on a copy of fuzz/corpus/ in a temporary folder, after replaying the inputs kept
# in fuzz/regressions/. Fails when a fuzzer finds a crash, a leak, a broken property or a hang;
# the findings are then left in the temporary folder, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(read_number run)

if ! grep -q 'add_subdirectory(fuzz)' CMakeLists.txt; then
    echo "CMakeLists.txt does not add the fuzz folder under BRANNOCK_FUZZ" >&2
    exit 2
fi

cmake --preset fuzz
cmake --build --preset fuzz

work=$(mktemp -d "${TMPDIR:-/tmp}/brannock-fuzz.XXXXXX")
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
    fuzzer=build-fuzz/bin/fuzz_$target
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    cp fuzz/corpus/"$target"/* "$work/$target/corpus/"
    options=(-artifact_prefix="$work/$target/findings/" -timeout=10 -rss_limit_mb=2048)
    [ "$target" = run ] && options+=(-max_len=16384)

    regressions=(fuzz/regressions/"$target"/*)
    if [ -e "${regressions[0]}" ]; then
        echo "== fuzz_$target: replaying ${#regressions[@]} kept findings"
        "$fuzzer" "${options[@]}" "${regressions[@]}" || failed+=("fuzz_$target (kept finding)")
    fi

    echo "== fuzz_$target: ${seconds} s"
    "$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        "$work/$target/corpus" || failed+=("fuzz_$target")
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]}. Findings in $work/*/findings/" >&2
    exit 1
fi
rm -rf "$work"
echo "No findings."

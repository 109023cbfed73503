#!/usr/bin/env bash
# Checks the code's format, builds everything and runs every test headless: once as built for
# use, then again under AddressSanitizer and UndefinedBehaviorSanitizer. In CI (CI=true) the
# print-queue tests must run: one that skips because its private print scheduler cannot start
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

# The code keeps the repository's format (.clang-format).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs" | tee "$log"

if [ "${CI:-}" = true ] && grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: print_queue\..*Skipped' "$log"; then
    echo "The print-queue tests were skipped: their private print scheduler could not start." >&2
    exit 1
fi

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the code's format, builds everything and runs every test headless: builds the Debian
# package, cross-builds for Windows and runs its tests under Wine, then builds for development and
# runs every test there, the package's among them (lint, then installed into a fresh Debian 12,
# where a newcomer's scripts/run.sh and screenshot are tried as well), then again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and last builds the web page and runs the core's
# tests under node and the page's in headless Chromium, its report against the dev build's. A test
# that cannot run here (no private print scheduler, compositor, Xvfb, Wine, node or Chromium, no
# root, no mirror) is skipped; in CI (CI=true) a skipped test fails the run.
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

# Runs the tests of a preset, through the command given after it if any; ctest lists the
# skipped ones (the reasons are in the build folder's Testing/Temporary/LastTest.log), and a
# command that cannot run them at all exits 77.
run_tests() {
    local preset=$1 status=0
    shift
    "$@" ctest --preset "$preset" -j "$jobs" | tee "$log" || status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        exit "$status"
    fi
    if [ "$status" -eq 77 ] || grep -q '^The following tests did not run:' "$log"; then
        if [ "${CI:-}" = true ]; then
            echo "Tests of preset $preset were skipped, which CI does not allow; the reasons are" \
                "above and in its build folder's Testing/Temporary/LastTest.log." >&2
            exit 1
        fi
        echo "Tests of preset $preset were skipped; the reasons are above." >&2
    fi
}

scripts/package.sh | tee "$log"
BRANNOCK_PACKAGE=$(tail -n 1 "$log")
export BRANNOCK_PACKAGE

# The core cross-built for Windows, its tests run under Wine in a private prefix. It comes first:
# the print queue tests of the Linux build run its window on their queue too.
cmake --preset windows
cmake --build --preset windows -j "$jobs"
run_tests windows scripts/with-wine.sh

cmake --preset dev
cmake --build --preset dev -j "$jobs"
run_tests dev

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
run_tests sanitize

# The web page built with emscripten: the core's tests under node, the page's in headless Chromium,
# which compare its report with the one the dev build's window saves.
cmake --preset web
cmake --build --preset web -j "$jobs"
run_tests web

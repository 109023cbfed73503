#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the code's format, builds everything and runs every test headless: once as built for
# use, then again under AddressSanitizer and UndefinedBehaviorSanitizer; last, it builds the
# Debian package and installs it into a fresh Debian 12. In CI (CI=true) the print-queue and
# Wayland tests must run: one that skips because its private print scheduler or its private
# compositor cannot start fails the run, and so does a skipped install test of the Debian package.
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

skipped='^ *[0-9]+/[0-9]+ Test +#[0-9]+: (print_queue|wayland)\..*Skipped'
if [ "${CI:-}" = true ] && grep -E "$skipped" "$log"; then
    echo "Tests were skipped: a private print scheduler or compositor could not start." >&2
    exit 1
fi

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

# The Debian package: lintian and the desktop and AppStream validators on its contents, then
# installed into a fresh Debian 12, where the installed program must show its window. That
# test needs root and the Debian mirror; it skips otherwise, and in CI a skip fails the run.
scripts/package.sh | tee "$log"
deb=$(tail -n 1 "$log")
tests/package/lint_test.sh "$deb"
status=0
tests/package/install_test.sh "$deb" || status=$?
if [ "$status" -eq 77 ]; then
    if [ "${CI:-}" = true ]; then
        echo "The package's install test was skipped." >&2
        exit 1
    fi
    echo "The package's install test was skipped (the reason is above); going on."
elif [ "$status" -ne 0 ]; then
    exit "$status"
fi

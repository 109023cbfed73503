#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb display: starts the server on a free display number, runs the
# command with DISPLAY naming it, stops the server when the command ends and exits with the
# command's status. When Xvfb is missing or cannot start, says why and exits 77, which ctest
# reports as a skipped test. Listing a test program's tests (--gtest_list_tests) needs no display.
# Usage: scripts/with-xvfb.sh command [argument...]
set -u

case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

skip() {
    echo "Skipped: $*" >&2
    exit 77
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
tmp=$(mktemp -d) || skip "no temporary folder for Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
trap 'exit 143' TERM INT

# Ten seconds at most for the server to name its display.
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
    cat "$tmp/log" >&2
    skip "Xvfb did not start"
fi

DISPLAY=":$(head -n 1 "$tmp/display")" "$@"

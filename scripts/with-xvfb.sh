#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb display: starts the server on a free display number, runs the
# command with DISPLAY naming it, stops the server when the command ends and exits with the
# command's status. When Xvfb is missing or cannot start, says why and exits 77, which ctest
# reports as a skipped test. Listing a test program's tests (--gtest_list_tests) needs no display.
# Usage: scripts/with-xvfb.sh command [argument...]
set -u
# shellcheck source-path=SCRIPTDIR source=../tests/kit/display_server.sh
. "$(dirname "$0")/../tests/kit/display_server.sh" "$@"

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (Debian package xvfb)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$server_folder/display" 2>"$server_folder/log" &
await_server -s "$server_folder/display" "$server_folder/log" "Xvfb did not start"

DISPLAY=":$(head -n 1 "$server_folder/display")" "$@"

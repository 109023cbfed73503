#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as a Wayland client of a private headless weston: the compositor's socket
# lives in a runtime folder of its own (mode 0700), and the compositor is stopped when the
# program ends. When weston cannot start, says why and exits 77, which ctest reports as a skipped
# test. Listing the tests needs no compositor.
set -u
# shellcheck source-path=SCRIPTDIR source=../kit/display_server.sh
. "$(dirname "$0")/../kit/display_server.sh" "$@"

command -v weston >/dev/null 2>&1 || skip "weston is not installed"
export XDG_RUNTIME_DIR="$server_folder"
socket=brannock-tests
# An output larger than the default 1024x640, so that the window and its frame fit on it.
weston --backend=headless-backend.so --width=1280 --height=1024 --socket="$socket" \
    --idle-time=0 --no-config --log="$server_folder/weston.log" &
await_server -S "$server_folder/$socket" "$server_folder/weston.log" \
    "weston did not start: no socket $server_folder/$socket"

# A sanitizer build's leak check leaves out the Wayland client library's leaks (lsan.supp).
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The headless compositor has no seat. Qt's Wayland text-input context then reaches for an input
# device that is not there when a key event updates a line edit, and crashes (Qt 6.4); the
# compose context, Qt's default on X11, takes the typed keys as they come.
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose "$@"

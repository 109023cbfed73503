#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as a Wayland client of a private headless weston: the compositor's socket
# lives in a runtime folder of its own (mode 0700), and the compositor is stopped when the
# program ends. When weston cannot start, says why and exits 77, which ctest reports as a skipped
# test. Listing the tests needs no compositor.
set -u

case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

skip() {
    echo "Skipped: $*" >&2
    exit 77
}

command -v weston >/dev/null 2>&1 || skip "weston is not installed"
runtime=$(mktemp -d) || skip "no temporary folder for the compositor"
chmod 0700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
socket=brannock-tests
# An output larger than the default 1024x640, so that the window and its frame fit on it.
weston --backend=headless-backend.so --width=1280 --height=1024 --socket="$socket" \
    --idle-time=0 --no-config --log="$runtime/weston.log" &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
trap 'exit 143' TERM INT

# Ten seconds at most for the socket to appear.
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    cat "$runtime/weston.log" >&2
    skip "weston did not start: no socket $runtime/$socket"
fi

# A sanitizer build's leak check leaves out the Wayland client library's leaks (lsan.supp).
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The headless compositor has no seat. Qt's Wayland text-input context then reaches for an input
# device that is not there when a key event updates a line edit, and crashes (Qt 6.4); the
# compose context, Qt's default on X11, takes the typed keys as they come.
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose "$@"

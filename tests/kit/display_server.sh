# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the display wrappers (scripts/with-xvfb.sh, tests/gui/run_under_weston.sh) share; they
# source it with their arguments. Listing tests (--gtest_list_tests) needs no display.

case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

skip() { echo "Skipped: $*" >&2; exit 77; }

server_folder=$(mktemp -d) || skip "no temporary folder for the display server"
chmod 0700 "$server_folder"

# Usage: await_server flag path log reason. Waits ten seconds at most for the server just started
# in the background to be ready, for `test flag path` to hold, and stops it, removing its folder,
# at exit. When it is not ready, shows its log and skips (status 77, a skipped test for ctest).
await_server() {
    server=$!
    trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$server_folder"' EXIT
    trap 'exit 143' TERM INT
    for _ in $(seq 100); do
        test "$1" "$2" && return 0
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    test "$1" "$2" && return 0
    cat "$3" >&2
    skip "$4"
}

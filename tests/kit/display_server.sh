# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the display wrappers (scripts/with-xvfb.sh, tests/gui/run_under_weston.sh) with their
# arguments: what they share. Listing a test program's tests (--gtest_list_tests) needs no display
# and runs at once; a wrapper that cannot start its server says why and exits 77, which ctest
# reports as a skipped test; the server is stopped, and its folder removed, when the wrapper ends.

case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

skip() {
    echo "Skipped: $*" >&2
    exit 77
}

# A folder of the server's own (mode 0700), removed at exit.
server_folder=$(mktemp -d) || skip "no temporary folder for the display server"
chmod 0700 "$server_folder"

# Waits ten seconds at most for the server just started in the background to be ready, that is
# for `test <flag> <path>` to hold, and stops it at exit. When it is not ready, shows its log and
# skips with the reason given.
# Usage: await_server flag path log reason
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

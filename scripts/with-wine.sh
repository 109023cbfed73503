#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a fresh Wine prefix of its own in a temporary folder, never the user's
# ~/.wine: makes the prefix, with user folders of its own, keeps one wineserver for the whole
# command, runs it with BRANNOCK_WINEPREFIX naming the prefix (tests/wine/run.sh runs the Windows
# programs there), then stops Wine and removes the prefix, and exits with the command's status.
# When Wine is missing or the prefix cannot be made, says why and exits 77.
# Usage: scripts/with-wine.sh command [argument...]
set -u

skip() {
    echo "Skipped: $*" >&2
    exit 77
}

command -v wine >/dev/null 2>&1 || skip "Wine is not installed (Debian packages wine and wine64)"
tmp=$(mktemp -d) || skip "no temporary folder for a Wine prefix"
export WINEPREFIX="$tmp/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$tmp"' EXIT
trap 'exit 143' TERM INT

# Wine's own processes are started with their output in a log: holding the caller's output
# open, they would keep ctest waiting after each test.
wineserver -p >"$tmp/wine.log" 2>&1 </dev/null
wineboot -i >>"$tmp/wine.log" 2>&1 </dev/null || { cat "$tmp/wine.log" >&2; skip "the Wine prefix could not be made"; }
# Wine links Documents and the like to the real home folder: the prefix gets folders of its own.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
    [ ! -L "$link" ] || { rm "$link" && mkdir "$link"; } || skip "cannot unlink $link from the home"
done

BRANNOCK_WINEPREFIX=$WINEPREFIX "$@"

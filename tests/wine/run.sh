#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the private prefix that scripts/with-wine.sh made, never in
# the user's own ~/.wine. Without that prefix, or without Wine, says why and exits 77, which
# ctest reports as a skipped test.
#
# Now and then Debian 12's Wine trips the host's loader while the process ends, after the Windows
# program has exited: ld.so prints "Inconsistency detected by ld.so: dl-fini.c…" and exits 127,
# and the program's own status is lost. Such a run is made once more (BRANNOCK_WINE_RETRIES sets
# how often; 0 for a program that must not run twice). Any other ending stands as it is.
set -u
if [ -z "${BRANNOCK_WINEPREFIX:-}" ]; then
    echo "Skipped: no private Wine prefix; run the tests under scripts/with-wine.sh" >&2
    exit 77
fi
command -v wine >/dev/null 2>&1 || { echo "Skipped: Wine is not installed" >&2; exit 77; }

retries=${BRANNOCK_WINE_RETRIES:-1}
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
while :; do
    # stderr goes through a file, not a pipe: Wine's services, started by a run, would hold a
    # pipe open after the run has ended.
    WINEPREFIX=$BRANNOCK_WINEPREFIX WINEDEBUG=-all wine "$@" 2> "$errors"
    status=$?
    cat "$errors" >&2
    if [ "$status" -ne 127 ] || [ "$retries" -le 0 ] \
        || ! grep -q '^Inconsistency detected by ld.so: dl-fini\.c' "$errors"; then
        exit "$status"
    fi
    echo "Wine's loader failed as the process ended, after the program had exited; running it again" >&2
    retries=$((retries - 1))
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the private prefix that scripts/with-wine.sh made, never in
# the user's own ~/.wine. Without that prefix, or without Wine, says why and exits 77, which
# ctest reports as a skipped test.
set -u
if [ -z "${BRANNOCK_WINEPREFIX:-}" ]; then
    echo "Skipped: no private Wine prefix; run the tests under scripts/with-wine.sh" >&2
    exit 77
fi
command -v wine >/dev/null 2>&1 || { echo "Skipped: Wine is not installed" >&2; exit 77; }
WINEPREFIX=$BRANNOCK_WINEPREFIX WINEDEBUG=-all exec wine "$@"

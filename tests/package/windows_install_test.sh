#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, run silently under Wine in the private prefix of scripts/with-wine.sh:
# it puts the program, its Start-menu shortcut and its uninstall entry in place, the installed
# program shows its window, and the silent uninstall removes all three. Needs a display.
# Usage: windows_install_test.sh brannock-VERSION-setup.exe VERSION
set -u
skip() { echo "Skipped: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -n "${BRANNOCK_WINEPREFIX:-}" ] || skip "no private Wine prefix; run under scripts/with-wine.sh"
[ -n "${DISPLAY:-}" ] || skip "no display; run under scripts/with-xvfb.sh"
[ -f "$1" ] || fail "no installer at $1"
wine() { "$(dirname "$0")/../wine/run.sh" "$@"; }
# The uninstaller returns at once and removes the files a moment later.
eventually() {
    for _ in $(seq 100); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}
c=$BRANNOCK_WINEPREFIX/drive_c
program="$c/Program Files/Brannock/brannock.exe"
shortcut="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brannock.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brannock'
entry=$(mktemp)
started=
trap 'rm -f "$entry" "$entry.txt"; [ -z "$started" ] || kill "$started" 2>/dev/null' EXIT

wine "$1" /S || fail "the installer exited with $?"
eventually '[ -f "$program" ] && [ -f "$shortcut" ]' || fail "no program or shortcut installed"
# The shortcut's description in UTF-16: 附合水准路线.
LC_ALL=C grep -qaP '\x44\x96\x08\x54\x34\x6c\xc6\x51\xef\x8d\xbf\x7e' "$shortcut" ||
    fail "the shortcut has no Chinese description"
wine reg export "$key" "$(WINEPREFIX=$BRANNOCK_WINEPREFIX winepath -w "$entry" 2>/dev/null)" /y >/dev/null 2>&1 ||
    fail "no uninstall entry"
iconv -f UTF-16 -t UTF-8 "$entry" | tr -d '\r' >"$entry.txt"
for line in '"DisplayVersion"="'"$2"'"' '"Publisher"="Brannock"' \
    '"Comments"="附合水准路线的简易平差"' '"EstimatedSize"=dword:'; do
    grep -qF "$line" "$entry.txt" || fail "the uninstall entry lacks $line"
done
rm -f "$entry.txt"

# Started directly, not through the function, so that $! is the program's own process.
WINEPREFIX=$BRANNOCK_WINEPREFIX WINEDEBUG=-all command wine "C:\\Program Files\\Brannock\\brannock.exe" \
    >/dev/null 2>&1 &
started=$!
eventually 'xwininfo -root -tree | grep -q "\"Brannock\""' || fail "the installed program showed no window"
kill "$started"
wait "$started" 2>/dev/null
started=

wine "C:\\Program Files\\Brannock\\uninstall.exe" /S || fail "the uninstaller exited with $?"
eventually '[ ! -e "$program" ] && [ ! -e "$shortcut" ]' || fail "the uninstaller left files"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left its entry"
echo "installed, shown and uninstalled"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a fresh Wine prefix of its own in a temporary folder, never the user's
# ~/.wine: makes the prefix, with user folders of its own, keeps one wineserver for the whole
# command, runs it with BRANNOCK_WINEPREFIX naming the prefix (tests/wine/run.sh runs the Windows
# programs there), then stops Wine and removes the prefix, and exits with the command's status.
# When Wine is missing or the prefix cannot be made, says why and exits 77.
# In the prefix Wine draws the frames itself (else each box waits 2 s for a window manager), the
# Chinese faces stand for Debian's fonts, and Wine's own Marlett draws the frames' buttons.
# With BRANNOCK_WINE_DPI set (144), the prefix's screen has that many dots per inch, not 96.
# Usage: [BRANNOCK_WINE_DPI=dpi] scripts/with-wine.sh command [argument...]
set -u

skip() {
    echo "Skipped: $*" >&2
    exit 77
}

# Wine's desktop process keeps the display it started on, and every program loads the graphics
# driver it loaded: it gets a private Xvfb for the whole session, so that each test's windows can
# go to a display of the test's own (scripts/with-xvfb.sh). Without Xvfb there are no windows.
if [ -z "${BRANNOCK_WINE_DESKTOP:-}" ] && command -v Xvfb >/dev/null 2>&1; then
    export BRANNOCK_WINE_DESKTOP=1
    exec "$(dirname "$0")/with-xvfb.sh" "$0" "$@"
fi

dpi=${BRANNOCK_WINE_DPI:-}
case $dpi in *[!0-9]*) echo "BRANNOCK_WINE_DPI=$dpi is not a number of dots per inch" >&2 && exit 2 ;; esac
command -v wine >/dev/null 2>&1 || skip "Wine is not installed (Debian packages wine and wine64)"
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || skip "Wine's own fonts are not installed (Debian package fonts-wine)"
tmp=$(mktemp -d) || skip "no temporary folder for a Wine prefix"
export WINEPREFIX="$tmp/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's spooler would take the machine's own print queues as the prefix's printers, and a test's
# report would come out of them: it is pointed at no scheduler instead, or at the test's own
# private one that BRANNOCK_WINE_CUPS_SERVER names.
export CUPS_SERVER="${BRANNOCK_WINE_CUPS_SERVER:-$tmp/no-scheduler.sock}"
unset PRINTER LPDEST
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$tmp"' EXIT
trap 'exit 143' TERM INT

# Wine's own processes are started with their output in a log: holding the caller's output
# open, they would keep ctest waiting after each test.
# The server keeps to its prefix's folder, which must be there before it starts.
mkdir "$WINEPREFIX" || skip "no folder for the Wine prefix"
wineserver -p >"$tmp/wine.log" 2>&1 </dev/null || { cat "$tmp/wine.log" >&2; skip "no wineserver"; }
wineboot -i >>"$tmp/wine.log" 2>&1 </dev/null || { cat "$tmp/wine.log" >&2; skip "the Wine prefix could not be made"; }
# Wine links Documents and the like to the real home folder: the prefix gets folders of its own.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
    [ ! -L "$link" ] || { rm "$link" && mkdir "$link"; } || skip "cannot unlink $link from the home"
done

cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" || skip "Marlett could not be copied into the prefix"
# regedit reads a .reg file of Unicode text as UTF-16LE after a byte-order mark.
{
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"
"NSimSun"="AR PL UMing CN"
"Microsoft Sans Serif"="WenQuanYi Zen Hei"
"Microsoft YaHei"="WenQuanYi Zen Hei"
"SimHei"="WenQuanYi Zen Hei"
REG
    # Wine reads the screen's DPI as each process starts, so it is set before any test starts.
    [ -z "$dpi" ] || printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$((10#$dpi))" |
        iconv -f UTF-8 -t UTF-16LE
} >"$tmp/prefix.reg" || skip "the prefix's settings could not be written"
wine regedit /S 'Z:'"${tmp//\//\\}"'\prefix.reg' >>"$tmp/wine.log" 2>&1 </dev/null ||
    { cat "$tmp/wine.log" >&2; skip "the prefix's settings could not be imported"; }

BRANNOCK_WINEPREFIX=$WINEPREFIX "$@"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brannock.exe imports only DLLs that every Windows has, and none of the functions newer than
# Windows 7 that it looks up at run time instead (the per-monitor DPI family and the like).
# Usage: windows_imports_test.sh brannock.exe objdump
set -u
imports=$("$2" -p "$1") || { echo "FAIL: cannot read $1" >&2; exit 1; }
status=0
for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$imports" | tr 'A-Z' 'a-z'); do
    case "$dll" in
    kernel32.dll | user32.dll | gdi32.dll | winspool.drv | comdlg32.dll | shell32.dll | \
        ole32.dll | comctl32.dll | msvcrt.dll) ;;
    *) echo "FAIL: imports $dll" >&2; status=1 ;;
    esac
done
for newer in GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi SystemParametersInfoForDpi \
    SetThreadDpiAwarenessContext SetProcessDpiAwarenessContext GetDpiForMonitor \
    EnableNonClientDpiScaling GetSystemTimePreciseAsFileTime; do
    if grep -qw "$newer" <<<"$imports"; then
        echo "FAIL: imports $newer, which Windows 7 lacks" >&2
        status=1
    fi
done
[ "$status" -ne 0 ] || echo "imports only what Windows 7 has"
exit "$status"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brannock.exe imports only DLLs that every Windows has, and none of the functions newer than
# Windows 7 that it looks up at run time instead (the per-monitor DPI family and the like). The
# spooler and the shell are loaded when a report goes out, so they are not imported either.
# Usage: windows_imports_test.sh brannock.exe objdump
set -u
imports=$("$2" -p "$1") || { echo "FAIL: cannot read $1" >&2; exit 1; }
status=1 # until kernel32.dll is seen: no DLL listed means the listing was not read
for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$imports" | tr 'A-Z' 'a-z'); do
    case "$dll" in
    kernel32.dll) [ "$status" -eq 2 ] || status=0 ;;
    user32.dll | gdi32.dll | ole32.dll | comctl32.dll | msvcrt.dll) ;;
    *) echo "FAIL: imports $dll" >&2; status=2 ;;
    esac
done
[ "$status" -ne 1 ] || echo "FAIL: no import of kernel32.dll listed" >&2
for newer in GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi SystemParametersInfoForDpi \
    SetThreadDpiAwarenessContext SetProcessDpiAwarenessContext GetDpiForMonitor \
    EnableNonClientDpiScaling GetSystemTimePreciseAsFileTime; do
    if grep -qw "$newer" <<<"$imports"; then
        echo "FAIL: imports $newer, which Windows 7 lacks" >&2
        status=2
    fi
done
[ "$status" -ne 0 ] || echo "imports only what Windows 7 has"
exit "$status"

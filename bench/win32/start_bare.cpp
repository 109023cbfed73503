// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the Windows start-up: a bare top-level window of the program's size and colour,
// with no control and no text; reports when its first frame was painted, and the memory by then.

#include "probe.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    HWND window = bench::plainWindow(instance, L"BrannockBare");
    if (!window)
        return 1;
    ShowWindow(window, show);
    bench::reportFirstFrame(window);
    DestroyWindow(window);
    return 0;
}

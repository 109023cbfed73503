// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the Windows program's window: built and shown as app/win32/main.cpp does; reports
// when its first frame was painted, and the memory by then, and ends.

#include "probe.h"

#include "mainwindow.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        ui::MainWindow window(instance);
        if (!window.handle())
            return 1;
        ShowWindow(window.handle(), show);
        bench::reportFirstFrame(window.handle());
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows program: its one window and the message loop.

#include "mainwindow.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    // The manifest asks for the version 6 controls; this loads them. COM gives the fields their
    // names for screen readers.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 1;
    {
        ui::MainWindow window(instance);
        if (window.handle()) {
            ShowWindow(window.handle(), show);
            UpdateWindow(window.handle());
            status = ui::runMessageLoop(window.handle());
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}

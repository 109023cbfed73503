// SPDX-License-Identifier: GPL-3.0-or-later
// Round trips of the program's prompt box over its window: Enter in one box to the next one
// shown, as a run asks.

#include "probe.h"

#include "mainwindow.h"
#include "win32_prompt_service.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::MainWindow window(instance);
    if (!window.handle())
        return 1;
    ShowWindow(window.handle(), show);
    UpdateWindow(window.handle());
    platform::win32::Win32PromptService prompts(window.handle());
    bench::reportRoundTrips(window.handle(), 40,
                            [&] { prompts.inputBox("请输入起始点的高程 Ha "); });
    return 0;
}

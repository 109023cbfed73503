// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the Windows start-up: a bare top-level window of the program's size and colour,
// with no control and no text; reports when its first frame was painted, and the memory by then.

#include "probe.h"

#include "design.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const design::Rgb colour = design::windowColour;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    windowClass.lpszClassName = L"BrannockBare";
    if (!RegisterClassExW(&windowClass))
        return 1;
    RECT client{0, 0, design::px(design::openWidth), design::px(design::openHeight)};
    AdjustWindowRectEx(&client, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, L"BrannockBare", L"Brannock", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, client.right - client.left,
                                  client.bottom - client.top, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    bench::reportFirstFrame(window);
    DestroyWindow(window);
    return 0;
}

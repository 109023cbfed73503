// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI of a window and its frame at that DPI, through whatever the running Windows offers.

#include "dpi.h"

#include "system_library.h"

namespace platform::win32 {

namespace {

template<typename Function>
Function userFunction(const char *name)
{
    return libraryFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// GetDpiForMonitor of shcore.dll (Windows 8.1 on), loaded the first time it is needed; null
// where it is not found.
using GetDpiForMonitor = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
GetDpiForMonitor monitorFunction()
{
    static const auto function
            = libraryFunction<GetDpiForMonitor>(systemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    return function;
}

} // namespace

int monitorDpi(HWND window)
{
    constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI
    const GetDpiForMonitor forMonitor = window ? monitorFunction() : nullptr;
    const HMONITOR monitor
            = forMonitor ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr;
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (!monitor || FAILED(forMonitor(monitor, effectiveDpi, &dpiX, &dpiY)))
        return 0;
    return static_cast<int>(dpiY);
}

int dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI *)(HWND);
    const auto forWindow = userFunction<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window))
            return static_cast<int>(dpi);
    }
    if (const int dpi = monitorDpi(window); dpi > 0)
        return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    const auto forDpi = userFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

} // namespace platform::win32

// SPDX-License-Identifier: GPL-3.0-or-later

#include "dpi.h"

namespace platform::win32 {

namespace {

template<typename Function>
Function userFunction(const char *name)
{
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (!user)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user, name)));
}

} // namespace

int dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI *)(HWND);
    const auto forWindow = userFunction<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window))
            return static_cast<int>(dpi);
    }
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

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dots per inch of a window, and logical pixels at that density (the design's twips go through
// design::pixels). Functions newer than Windows 7 are looked up at run time.

#include <windows.h>

namespace platform::win32 {

// The window's DPI where the system knows one per window (Windows 10), else its monitor's where
// the system knows one per monitor (Windows 8.1), else the screen's.
int dpiOf(HWND window);

// The DPI of the monitor that shows most of the window (Windows 8.1 on); 0 where the system
// knows none.
int monitorDpi(HWND window);

// Logical pixels (1/96 inch) at `dpi`.
constexpr int scaled(int logical, int dpi)
{
    return logical * dpi / 96;
}

// The window rectangle whose client area is `client`, for a window of these styles at `dpi`.
RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, int dpi);

} // namespace platform::win32

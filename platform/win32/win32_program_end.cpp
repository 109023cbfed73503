// SPDX-License-Identifier: GPL-3.0-or-later
// The program ended by closing its window.

#include "win32_program_end.h"

namespace platform::win32 {

Win32ProgramEnd::Win32ProgramEnd(HWND window)
    : m_window(window)
{}

void Win32ProgramEnd::endProgram()
{
    DestroyWindow(m_window);
}

} // namespace platform::win32

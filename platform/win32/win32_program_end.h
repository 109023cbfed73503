// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <windows.h>

namespace platform::win32 {

// Ends the program by closing its window: the window's destruction ends the message loop, and the
// program exits with status 0.
class Win32ProgramEnd final : public ProgramEnd
{
public:
    explicit Win32ProgramEnd(HWND window);

    void endProgram() override;

private:
    HWND m_window;
};

} // namespace platform::win32

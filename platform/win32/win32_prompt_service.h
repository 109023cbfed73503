// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <windows.h>

#include <string>

namespace platform::win32 {

// The controls of the prompt and message boxes, beside IDOK and IDCANCEL.
enum BoxControl : int {
    BoxText = 100, // the prompt or the message
    BoxLine = 101, // the prompt box's edit line
    BoxIcon = 102, // the message box's icon
};

// Modal prompt and message boxes over the main window (their owner, disabled while one is
// open), made from in-memory dialog templates with the design's title and button captions; the
// reply is handed back exactly as typed. Once the session ends, an open box returns and every
// prompt throws ProgramEnding.
class Win32PromptService final : public PromptService
{
public:
    explicit Win32PromptService(HWND owner);

    std::string inputBox(const std::string &prompt) override;
    void showMessage(const std::string &text) override;

    // The session is ending: the open box, if any, returns at once.
    void endSession();

private:
    // The box's result: IDOK, IDCANCEL, or endedBySession; -1 when it could not be made.
    INT_PTR runBox(const std::wstring &text, bool withLine, std::wstring &reply);

    HWND m_owner;
    HWND m_openBox = nullptr;
    bool m_ending = false;
};

} // namespace platform::win32

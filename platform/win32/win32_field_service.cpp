// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fields written through Win32.

#include "win32_field_service.h"

#include "utf16.h"

namespace platform::win32 {

Win32FieldService::Win32FieldService(const std::array<HWND, 9> &fields)
    : m_fields(fields)
{}

void Win32FieldService::setFieldText(Field field, const std::string &text)
{
    HWND edit = m_fields[static_cast<std::size_t>(field)];
    // Painted at once: the text is visible while the next prompt is open.
    SetWindowTextW(edit, toUtf16(text).c_str());
    UpdateWindow(edit);
}

} // namespace platform::win32

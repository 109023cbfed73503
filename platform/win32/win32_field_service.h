// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <windows.h>

#include <array>

namespace platform::win32 {

// Writes the main window's nine fields, given in the order of platform::Field.
class Win32FieldService final : public FieldService
{
public:
    explicit Win32FieldService(const std::array<HWND, 9> &fields);

    void setFieldText(Field field, const std::string &text) override;

private:
    std::array<HWND, 9> m_fields;
};

} // namespace platform::win32

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place where the core's UTF-8 text and Win32's UTF-16 meet. Only the wide ("W")
// functions are called anywhere, so the system's code page never changes a text.

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);

} // namespace platform::win32

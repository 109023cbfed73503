// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Starts a Windows program built beside the running one: the real brannock.exe for the tests,
// the cost programs for the bench driver.

#include <windows.h>

#include <string>
#include <string_view>

namespace kit {

// Starts the program of that name in this program's folder, its standard output into `output`
// when given (an inheritable handle); whether it started. The caller closes the child's handles.
inline bool startBeside(std::wstring_view name, PROCESS_INFORMATION &child, HANDLE output = nullptr)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L"\\/") + 1).append(name);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = output ? STARTF_USESTDHANDLES : 0;
    startup.hStdOutput = output;
    startup.hStdError = output ? GetStdHandle(STD_ERROR_HANDLE) : nullptr;
    return CreateProcessW(path.c_str(), path.data(), nullptr, nullptr, output ? TRUE : FALSE, 0,
                          nullptr, nullptr, &startup, &child);
}

} // namespace kit

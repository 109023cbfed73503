// SPDX-License-Identifier: GPL-3.0-or-later
// DLLs loaded from the system folder only.

#include "system_library.h"

#include <string>

namespace platform::win32 {

HMODULE systemLibrary(const wchar_t *name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

} // namespace platform::win32

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Functions found at run time rather than imported: those newer than Windows 7, and those of DLLs
// the program loads only when it needs them, from the system folder.

#include <windows.h>

namespace platform::win32 {

// The DLL `name` of the system folder, by its full path, never one that lies beside the
// program; null where it cannot be loaded.
HMODULE systemLibrary(const wchar_t *name);

// The function `name` of `library`; null where either is missing.
template<typename Function>
Function libraryFunction(HMODULE library, const char *name)
{
    if (!library)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The function `name` of the system folder's DLL `library`, which stays loaded; null where either
// is missing.
template<typename Function>
Function systemFunction(const wchar_t *library, const char *name)
{
    return libraryFunction<Function>(systemLibrary(library), name);
}

} // namespace platform::win32

// SPDX-License-Identifier: GPL-3.0-or-later
// The saved report's folder and files on Windows: the Documents folder wherever it is redirected,
// new files that never replace one, their content and their removal.

#include "gdi_report_output.h"

#include "system_library.h"
#include "utf16.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

namespace platform::win32 {

namespace {

struct FileCloser
{
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, FileCloser>; // never INVALID_HANDLE_VALUE

// Whether a file can be made in `folder`: a temporary one is made there and removed.
bool canCreateFileIn(const std::wstring &folder)
{
    wchar_t probe[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), L"brn", 0, probe) == 0)
        return false;
    DeleteFileW(probe);
    return true;
}

} // namespace

LocalTime GdiReportOutput::now()
{
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

Folder GdiReportOutput::documentsFolder()
{
    static const HMODULE shell = systemLibrary(L"shell32.dll");
    const auto getKnownFolderPath
            = libraryFunction<decltype(&::SHGetKnownFolderPath)>(shell, "SHGetKnownFolderPath");
    const auto createDirectory
            = libraryFunction<decltype(&::SHCreateDirectoryExW)>(shell, "SHCreateDirectoryExW");
    if (!getKnownFolderPath || !createDirectory)
        return {{}, false};
    // Where the user's Documents are, also when they are redirected, whether they exist or not.
    PWSTR found = nullptr;
    const HRESULT result
            = getKnownFolderPath(FOLDERID_Documents, KF_FLAG_DONT_VERIFY, nullptr, &found);
    const std::wstring folder = SUCCEEDED(result) && found ? found : L"";
    CoTaskMemFree(found);
    if (folder.empty())
        return {{}, false};
    const int made = createDirectory(nullptr, folder.c_str(), nullptr);
    const bool exists
            = made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS;
    return {toUtf8(folder), exists && canCreateFileIn(folder)};
}

std::string GdiReportOutput::pathIn(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + "\\" + name;
}

FileCreation GdiReportOutput::createNewFile(const std::string &path)
{
    const HANDLE file = CreateFileW(toUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? FileCreation::Exists
                                                                           : FileCreation::Failed;
    }
    CloseHandle(file);
    return FileCreation::Created;
}

bool GdiReportOutput::writeFile(const std::string &path, const std::string &content)
{
    const HANDLE opened = CreateFileW(toUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    FileHandle file(opened);
    DWORD written = 0;
    const bool wrote = WriteFile(opened, content.data(), static_cast<DWORD>(content.size()),
                                 &written, nullptr)
                       && written == content.size();
    return CloseHandle(file.release()) && wrote;
}

void GdiReportOutput::removeFile(const std::string &path)
{
    // A spooler whose job was just cancelled may hold the file a moment longer.
    const std::wstring wide = toUtf16(path);
    for (unsigned long tries = 0;
         !DeleteFileW(wide.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION
         && tries < fileWaitMilliseconds / filePollMilliseconds;
         ++tries)
        Sleep(filePollMilliseconds);
}

} // namespace platform::win32

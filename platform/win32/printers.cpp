// SPDX-License-Identifier: GPL-3.0-or-later
// The report's printers on Windows: the default one and whether it is ready, the printers that
// write files, and whether such a printer completed its file.

#include "gdi_report_output.h"

#include "system_library.h"
#include "typography.h"
#include "utf16.h"

#include <windows.h>

#include <winspool.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string_view>
#include <vector>

namespace platform::win32 {

namespace {

// The drivers of the printers that print into a file, as Windows names them in every language.
constexpr std::string_view pdfDriver = "Microsoft Print To PDF";
constexpr std::string_view xpsDriver = "Microsoft XPS Document Writer v4"; // Windows 8 on
constexpr std::string_view xpsDriverWindows7 = "Microsoft XPS Document Writer";

// A printer that is paused, off line, in error or out of paper would hold a job or lose it.
constexpr DWORD notReadyStatus = PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR
                                 | PRINTER_STATUS_PAPER_JAM | PRINTER_STATUS_PAPER_OUT
                                 | PRINTER_STATUS_PAPER_PROBLEM | PRINTER_STATUS_OFFLINE
                                 | PRINTER_STATUS_NOT_AVAILABLE;

// The spooler's function `name`, null where it is missing. Each caller keeps it in a static, found
// the first time a report goes out.
template<typename Function>
Function spooler(const char *name)
{
    return systemFunction<Function>(L"winspool.drv", name);
}

decltype(&::ClosePrinter) closePrinter()
{
    static const auto function = spooler<decltype(&::ClosePrinter)>("ClosePrinter");
    return function;
}

struct PrinterCloser
{
    void operator()(HANDLE printer) const { closePrinter()(printer); }
};
using PrinterHandle = std::unique_ptr<void, PrinterCloser>;

// The printer `name`, opened; null where it cannot be.
PrinterHandle openPrinter(std::wstring name)
{
    static const auto open = spooler<decltype(&::OpenPrinterW)>("OpenPrinterW");
    HANDLE opened = nullptr;
    if (!open || !closePrinter() || !open(name.data(), &opened, nullptr))
        return nullptr;
    return PrinterHandle(opened);
}

// Whether a printer of this state takes jobs now: not paused, in error, out of paper or off line.
bool takesJobs(const PRINTER_INFO_2W &info)
{
    return (info.Status & notReadyStatus) == 0
           && (info.Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE) == 0;
}

// Whether the printer `name` takes jobs now.
bool isReady(const std::wstring &name)
{
    const PrinterHandle printer = openPrinter(name);
    static const auto getPrinter = spooler<decltype(&::GetPrinterW)>("GetPrinterW");
    DWORD needed = 0;
    if (!printer || !getPrinter)
        return false;
    getPrinter(printer.get(), 2, nullptr, 0, &needed);
    if (needed == 0)
        return false;
    std::vector<BYTE> buffer(needed);
    if (!getPrinter(printer.get(), 2, buffer.data(), needed, &needed))
        return false;
    return takesJobs(*reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data()));
}

// The local printers and the connections to shared ones.
std::vector<PrinterEntry> installedPrinters()
{
    static const auto enumPrinters = spooler<decltype(&::EnumPrintersW)>("EnumPrintersW");
    if (!enumPrinters)
        return {};
    const DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    std::vector<BYTE> buffer;
    // A printer added between asking for the size and listing asks for more room.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (enumPrinters(which, nullptr, 2, buffer.data(), static_cast<DWORD>(buffer.size()),
                         &needed, &count))
            break;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
        buffer.resize(needed);
        count = 0;
    }
    const auto *info = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    std::vector<PrinterEntry> printers;
    for (DWORD i = 0; i < count; ++i) {
        printers.push_back({info[i].pPrinterName ? info[i].pPrinterName : L"",
                            info[i].pDriverName ? info[i].pDriverName : L"", takesJobs(info[i])});
    }
    return printers;
}

} // namespace

std::optional<std::wstring> filePrinter(const std::vector<PrinterEntry> &printers, FileKind kind)
{
    for (const PrinterEntry &printer : printers) {
        const std::string driver = toUtf8(printer.driver);
        const bool writes = kind == FileKind::Pdf ? design::sameName(driver, pdfDriver)
                            : kind == FileKind::Xps
                                    ? design::sameName(driver, xpsDriver)
                                              || design::sameName(driver, xpsDriverWindows7)
                                    : false;
        if (writes && printer.ready)
            return printer.name;
    }
    return std::nullopt;
}

DefaultPrinter GdiReportOutput::defaultPrinter()
{
    static const auto getDefaultPrinter
            = spooler<decltype(&::GetDefaultPrinterW)>("GetDefaultPrinterW");
    if (!getDefaultPrinter)
        return {DefaultPrinter::State::Unreachable, {}};
    DWORD size = 0;
    if (!getDefaultPrinter(nullptr, &size)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {DefaultPrinter::State::None, {}};
        if (error != ERROR_INSUFFICIENT_BUFFER)
            return {DefaultPrinter::State::Unreachable, {}};
    }
    std::wstring name(size, L'\0');
    if (!getDefaultPrinter(name.data(), &size))
        return {DefaultPrinter::State::Unreachable, {}};
    name.resize(std::wcslen(name.c_str()));
    return {isReady(name) ? DefaultPrinter::State::Ready : DefaultPrinter::State::NotReady,
            toUtf8(name)};
}

std::optional<std::wstring> GdiReportOutput::filePrinterFor(FileKind kind)
{
    if (!m_printers)
        m_printers = installedPrinters();
    return filePrinter(*m_printers, kind);
}

bool GdiReportOutput::hasFileWriter(FileKind kind)
{
    return kind == FileKind::Text || filePrinterFor(kind);
}

void cancelJob(const std::wstring &printer, int job)
{
    static const auto setJob = spooler<decltype(&::SetJobW)>("SetJobW");
    if (job <= 0 || !setJob)
        return;
    if (const PrinterHandle handle = openPrinter(printer))
        setJob(handle.get(), static_cast<DWORD>(job), 0, nullptr, JOB_CONTROL_DELETE);
}

bool fileCompleted(const std::wstring &path, unsigned long milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        // Its size is read without opening it, so as not to stand in the spooler's way; then
        // an opening that lets no one else write fails while its writer still holds it.
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)
            && (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0)) {
            const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                return true;
            }
        }
        if (GetTickCount64() >= end)
            return false;
        Sleep(filePollMilliseconds);
    }
}

} // namespace platform::win32

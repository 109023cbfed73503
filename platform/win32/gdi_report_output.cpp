// SPDX-License-Identifier: GPL-3.0-or-later

#include "gdi_report_output.h"

#include "gdi_canvas.h"
#include "report_files.h"
#include "utf16.h"

#include <windows.h>

namespace platform::win32 {

DefaultPrinter GdiReportOutput::defaultPrinter()
{
    return win32::defaultPrinter();
}

std::unique_ptr<PageCanvas> GdiReportOutput::printJob(const std::string &printer)
{
    return openGdiCanvas(toUtf16(printer), std::wstring());
}

LocalTime GdiReportOutput::now()
{
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

Folder GdiReportOutput::documentsFolder()
{
    return win32::documentsFolder();
}

std::string GdiReportOutput::pathIn(const std::string &folder, const std::string &name)
{
    return win32::pathIn(folder, name);
}

FileCreation GdiReportOutput::createNewFile(const std::string &path)
{
    return win32::createNewFile(path);
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

std::unique_ptr<PageCanvas> GdiReportOutput::fileWriter(FileKind kind, const std::string &path)
{
    // The printer writes the file named in the document's output, with no dialog.
    const std::optional<std::wstring> printer = filePrinterFor(kind);
    return printer ? openGdiCanvas(*printer, toUtf16(path)) : nullptr;
}

bool GdiReportOutput::writeFile(const std::string &path, const std::string &content)
{
    return win32::writeFile(path, content);
}

void GdiReportOutput::removeFile(const std::string &path)
{
    win32::removeFile(path);
}

} // namespace platform::win32

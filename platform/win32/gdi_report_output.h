// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report's printer and files on Windows: a print job drawn with GDI on the default printer;
// a saved report printed into its file through the system's PDF or XPS printer where that is
// ready, or written as text, in the Documents folder.

#include "printers.h"
#include "printing.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

class GdiReportOutput final : public ReportOutput
{
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageCanvas> printJob(const std::string &printer) override;
    LocalTime now() override;
    Folder documentsFolder() override;
    std::string pathIn(const std::string &folder, const std::string &name) override;
    FileCreation createNewFile(const std::string &path) override;
    bool hasFileWriter(FileKind kind) override;
    std::unique_ptr<PageCanvas> fileWriter(FileKind kind, const std::string &path) override;
    bool writeFile(const std::string &path, const std::string &content) override;
    void removeFile(const std::string &path) override;

private:
    // The printer that writes files of `kind`, among the printers as they were first listed.
    std::optional<std::wstring> filePrinterFor(FileKind kind);

    std::optional<std::vector<PrinterEntry>> m_printers;
};

} // namespace platform::win32

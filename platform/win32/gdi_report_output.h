// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report's printer and files on Windows: a print job drawn with GDI on the default printer;
// a saved report printed into its file through the system's PDF or XPS printer where that is
// ready, or written as text, in the Documents folder. The spooler and the shell are loaded the
// first time a report goes out, so the program starts without them. Its parts: the printers
// (printers.cpp), the GDI canvas (gdi_canvas.cpp) and the files (report_files.cpp).

#include "printing.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

// A printer as the spooler lists it: its name, which users may change, its driver's name, and
// whether it takes jobs now (as the default printer must to be printed on).
struct PrinterEntry
{
    std::wstring name;
    std::wstring driver;
    bool ready = true;
};

// The first ready printer among `printers` that writes a file of `kind` (a PDF or XPS file),
// known by its driver, since its name is the user's or the system language's; none where there
// is none. A printer that is paused or in error would hold the file's job, or lose it.
std::optional<std::wstring> filePrinter(const std::vector<PrinterEntry> &printers, FileKind kind);

// Deletes the job `job` of `printer` from its queue, where it still is.
void cancelJob(const std::wstring &printer, int job);

// Whether the file at `path` has content and no one writes it any more, asked every 100 ms for
// up to `milliseconds`: the spooler writes a printed file after EndDoc, later, or never.
bool fileCompleted(const std::wstring &path, unsigned long milliseconds);

// How long a printer that prints into a file has to complete it after EndDoc, and how often it
// is looked at meanwhile; the spooler usually takes well under a second.
inline constexpr unsigned long fileWaitMilliseconds = 10000;
inline constexpr unsigned long filePollMilliseconds = 100;

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

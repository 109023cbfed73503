// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report's printer and files on Windows. A print job is drawn with GDI on the default
// printer's device context and measured there. A saved report is printed into its file through
// the system's PDF printer, else through its XPS printer, where that printer is ready, with the
// margin of the Linux program's PDF; else, or when the printer does not complete the file, the
// report's lines are written in a UTF-8 text file.

#include "printing.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

// What writes a saved report: a printer that prints into a file, or none for a text file.
struct FileWriterChoice
{
    FileKind kind = FileKind::Text;
    std::wstring printer; // empty for a text file

    bool operator==(const FileWriterChoice &) const = default;
};

// The PDF printer where one is installed and ready, else the XPS printer, else a text file;
// printers are known by their driver, since their names are the user's or the system language's.
// A printer that is paused or in error would hold the file's job, or lose it.
FileWriterChoice chooseFileWriter(const std::vector<PrinterEntry> &printers);

// Whether the file at `path` has content and no one writes it any more, asked every 100 ms for
// up to `milliseconds`: the spooler writes a printed file after EndDoc, later, or never.
bool fileCompleted(const std::wstring &path, unsigned long milliseconds);

// The end of the first piece of `text` when its first `fits` UTF-16 units fit: after the last
// blank or between the last two Han characters within them, else at `fits`; never inside a
// surrogate pair, and at least one character. Blanks right after what fits go with it.
std::size_t lineCut(std::wstring_view text, std::size_t fits);

class GdiReportOutput final : public ReportOutput
{
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageCanvas> printJob(const std::string &printer) override;
    LocalTime now() override;
    Folder documentsFolder() override;
    std::string pathIn(const std::string &folder, const std::string &name) override;
    FileCreation createNewFile(const std::string &path) override;
    FileKind savedFileKind() override;
    std::unique_ptr<PageCanvas> fileWriter(const std::string &path) override;
    void removeFile(const std::string &path) override;
    // After the PDF or XPS printer failed: the text file.
    std::optional<FileKind> nextFileWriter() override;

private:
    FileWriterChoice m_writer; // as savedFileKind found it
    bool m_writerChosen = false;
};

} // namespace platform::win32

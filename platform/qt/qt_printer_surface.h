// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing.h"

#include "print_queue.h"

namespace platform::qt {

// The report's printer and files on Qt. A print job is a PDF on the default queue's paper,
// handed to the queue through the print plugin (print_queue.h), loaded the first time a
// report is printed; a saved report is a PDF on A4 with half-inch margins, or failing that text.
// Both measure and draw with Qt's font metrics and text layout on the PDF device.
class QtReportOutput : public ReportOutput
{
public:
    DefaultPrinter defaultPrinter() override;
    std::unique_ptr<PageCanvas> printJob(const std::string &printer) override;
    LocalTime now() override;
    Folder documentsFolder() override;
    std::string pathIn(const std::string &folder, const std::string &name) override;
    FileCreation createNewFile(const std::string &path) override;
    // A PDF, or the report's lines as text.
    bool hasFileWriter(FileKind kind) override;
    std::unique_ptr<PageCanvas> fileWriter(FileKind kind, const std::string &path) override;
    bool writeFile(const std::string &path, const std::string &content) override;
    void removeFile(const std::string &path) override;

private:
    PrintQueueSystem *m_printSystem = nullptr; // found by defaultPrinter
};

} // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report as one document: the printer surface that the report is printed on records it,
// and when it is ended delivers it. The one rule of where a report goes: to the default printer
// when it is ready; otherwise, or when printing fails, into a new file in the user's documents
// folder, never over an existing one, written by the first writer the platform has ready in
// fileWriterOrder; and the user is told which, and why.

#include "page_layout.h"

#include "platform.h"
#include "printing.h"

#include <array>
#include <string>
#include <vector>

namespace adjustment {

// The files a report that was not printed may become, the first the platform can write first:
// a PDF, an XPS document (Windows 7 has no PDF printer), else its lines as text. A PDF or XPS
// printer that does not complete its file gives way to the text file.
inline constexpr std::array<platform::FileKind, 3> fileWriterOrder{
        platform::FileKind::Pdf, platform::FileKind::Xps, platform::FileKind::Text};

class ReportDocument final : public platform::PrinterSurface
{
public:
    explicit ReportDocument(platform::ReportOutput &output);

    void setPosition(int xTwips, int yTwips) override;
    void setFontName(const std::string &name) override;
    void setFontSize(double points) override;
    void printLine(std::optional<int> column, const std::vector<std::string> &items) override;
    void printEmptyLine() override;
    // Delivers the document and starts a new, empty one.
    platform::PrintOutcome endDocument() override;

private:
    platform::ReportOutput &m_output;
    std::vector<PrintOperation> m_operations;
};

// Prints the document on the default printer, or saves it, as the rule above says.
platform::PrintOutcome deliverReport(const std::vector<PrintOperation> &document,
                                     platform::ReportOutput &output);

// The saved report's file name: "Brannock-YYYYMMDD-HHMMSS.pdf", and from `suffix` 2 on
// "Brannock-YYYYMMDD-HHMMSS-2.pdf" and so on; ".xps" or ".txt" for those kinds of file.
std::string savedReportName(const platform::LocalTime &time, int suffix, platform::FileKind kind);

// What the user is told of a report that was not printed; empty text when it was.
std::string outcomeMessage(const platform::PrintOutcome &outcome);

} // namespace adjustment

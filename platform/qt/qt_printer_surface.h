// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <QPageSize>
#include <QString>

#include <optional>
#include <vector>

namespace platform::qt {

// The printer surface. Operations are recorded and played at endDocument into a PDF that goes to
// the default print queue as one job, so that the same document can be saved as a PDF in the
// user's documents folder when there is no printer, the queue is stopped or refusing jobs, the
// scheduler refuses the job, or the print system's module cannot be loaded.
//
// Reading of the page: positions are twips from the paper's top-left corner. A positioning
// item with column count c puts the line at x = (c - 1) x the width of "0" in the current font.
// A line end moves to x = 0 and one line height down. A line too long for the printable width
// goes on at the same x on the next line. A line that would run past the printable bottom
// starts a new page, where printing goes on at y = 1000 twips.
class QtPrinterSurface final : public PrinterSurface
{
public:
    void setPosition(int xTwips, int yTwips) override;
    void setFontName(const std::string &name) override;
    void setFontSize(double points) override;
    void printLine(std::optional<int> column, const std::vector<std::string> &items) override;
    void printEmptyLine() override;
    PrintOutcome endDocument() override;

    // Plays the recorded document into a PDF file on the given paper (A4 when invalid); false
    // when the file cannot be written or a page cannot be started.
    bool writePdf(const QString &path, const QPageSize &paper) const;

private:
    struct Operation
    {
        enum class Kind { Position, FontName, FontSize, Line, EmptyLine };
        Kind kind;
        int x = 0;         // twips, for Position
        int y = 0;         // twips, for Position
        double points = 0; // for FontSize
        QString text;      // font name, or the line's items joined
        std::optional<int> column;
    };

    PrintOutcome printOnDefaultQueue() const;
    PrintOutcome saveAsPdf(PrintOutcome::Status savedStatus) const;

    std::vector<Operation> m_operations;
};

} // namespace platform::qt

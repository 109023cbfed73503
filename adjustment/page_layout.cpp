// SPDX-License-Identifier: GPL-3.0-or-later
// Where each line of the report lands on its pages.

#include "page_layout.h"

#include "line_break.h"
#include "texts.h"

namespace adjustment {

namespace {

// Where printing goes on after a page break.
constexpr double topOfNewPage = 1000;
// The report's font size until the report names one.
constexpr double defaultPoints = 12;

// The current font and the measures the layout takes from it.
struct CurrentFont
{
    CurrentFont(platform::PrintFont chosen, platform::PageMeasure &measure)
        : font(std::move(chosen))
        , metrics(measure.metrics(font))
        , column(measure.advance(font, "0"))
    {}

    platform::PrintFont font;
    platform::FontMetrics metrics;
    double column; // the width of one column of a positioning item
};

} // namespace

std::vector<Page> layOutPages(const std::vector<PrintOperation> &document,
                              platform::PageMeasure &measure)
{
    using Kind = PrintOperation::Kind;
    const platform::PrintableArea area = measure.printableArea();
    CurrentFont current({std::string(texts::ReportFont), defaultPoints}, measure);
    std::vector<Page> pages(1);
    double x = 0;
    double y = 0;
    for (const PrintOperation &operation : document) {
        switch (operation.kind) {
        case Kind::Position:
            x = operation.x;
            y = operation.y;
            break;
        case Kind::FontName:
            current = CurrentFont({operation.text, current.font.points}, measure);
            break;
        case Kind::FontSize:
            current = CurrentFont({current.font.name, operation.points}, measure);
            break;
        case Kind::Line: {
            if (operation.column)
                x = (*operation.column - 1) * current.column;
            const double width = area.right - x;
            const std::vector<std::string> pieces
                    = measure.advance(current.font, operation.text) <= width
                              ? std::vector<std::string>{operation.text}
                              : platform::breakLine(operation.text, [&](std::string_view rest) {
                                    return measure.fitting(current.font, std::string(rest), width);
                                });
            for (const std::string &piece : pieces) {
                // Not at the top of a new page already: a line taller than the page is drawn
                // there instead of breaking page after page.
                if (y + current.metrics.height > area.bottom && y > topOfNewPage) {
                    pages.emplace_back();
                    y = topOfNewPage;
                }
                pages.back().push_back({x, y + current.metrics.ascent, current.font, piece});
                y += current.metrics.lineSpacing;
            }
            x = 0;
            break;
        }
        case Kind::EmptyLine:
            x = 0;
            y += current.metrics.lineSpacing;
            break;
        }
    }
    return pages;
}

} // namespace adjustment

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report's page: where each recorded line lands, in twips from the paper's top-left corner,
// measured by the device it is printed on.
//
// A positioning item with column count c puts a line at x = (c - 1) × the advance of "0" in the
// current font. A line end moves to x = 0 and one line spacing down. A line too long for the
// printable width goes on at the same x on the lines below, cut where line_break.h says. A line
// that would run past the printable bottom begins a new page, where printing goes on at y = 1000.

#include "printing.h"

#include <optional>
#include <string>
#include <vector>

namespace adjustment {

// One operation of the printer surface, as the report made it.
struct PrintOperation
{
    enum class Kind { Position, FontName, FontSize, Line, EmptyLine };
    Kind kind = Kind::EmptyLine;
    int x = 0;                 // twips, for Position
    int y = 0;                 // twips, for Position
    double points = 0;         // for FontSize
    std::string text;          // the font name, or the line's items joined
    std::optional<int> column; // for Line
};

using Page = std::vector<platform::PlacedText>;

// The document's pages, at least one; the pieces of each in the order they are drawn.
std::vector<Page> layOutPages(const std::vector<PrintOperation> &document,
                              platform::PageMeasure &measure);

} // namespace adjustment

// SPDX-License-Identifier: GPL-3.0-or-later
// The report laid out as the lines of a text file.

#include "text_file_page.h"

#include "line_break.h"

#include <algorithm>
#include <cmath>

namespace adjustment {

namespace {

constexpr double columnTwips = 120; // the "0" of a 10-point fixed-pitch face
constexpr double lineTwips = 240;
constexpr double ascentTwips = 192;
constexpr double noEdge = 1e12;

} // namespace

TextFilePage::TextFilePage(platform::ReportOutput &output, std::string path)
    : m_output(output)
    , m_path(std::move(path))
{}

double TextFilePage::advance(const platform::PrintFont &, const std::string &text)
{
    return columnTwips * static_cast<double>(platform::codePoints(text));
}

platform::FontMetrics TextFilePage::metrics(const platform::PrintFont &)
{
    return {lineTwips, ascentTwips, lineTwips};
}

platform::PrintableArea TextFilePage::printableArea()
{
    return {0, 0, noEdge, noEdge};
}

std::size_t TextFilePage::fitting(const platform::PrintFont &, const std::string &text,
                                  double width)
{
    return std::min(platform::codePoints(text),
                    static_cast<std::size_t>(std::max(0.0, width / columnTwips)));
}

void TextFilePage::drawText(const platform::PlacedText &piece)
{
    const long column = std::max(0L, std::lround(piece.x / columnTwips));
    m_rows[std::lround(piece.baseline / lineTwips)].emplace(column, piece.text);
}

bool TextFilePage::newPage()
{
    endPage();
    m_lines.emplace_back();
    return true;
}

bool TextFilePage::finish()
{
    endPage();
    std::string content = "\xEF\xBB\xBF";
    for (const std::string &line : m_lines)
        content += line + "\r\n";
    return m_output.writeFile(m_path, content);
}

// The page's rows as lines, the rows between them as empty lines.
void TextFilePage::endPage()
{
    long previous = m_rows.empty() ? 0 : m_rows.begin()->first;
    for (const auto &[row, pieces] : m_rows) {
        for (; previous + 1 < row; ++previous)
            m_lines.emplace_back();
        previous = row;
        std::string line;
        std::size_t length = 0; // in columns
        for (const auto &[column, text] : pieces) {
            const auto at = static_cast<std::size_t>(column);
            if (at > length) {
                line.append(at - length, ' ');
                length = at;
            }
            line += text;
            length += platform::codePoints(text);
        }
        m_lines.push_back(std::move(line));
    }
    m_rows.clear();
}

} // namespace adjustment

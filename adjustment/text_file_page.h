// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report as a text file, for a platform without a printer that writes files: UTF-8 with a
// byte-order mark and CRLF line ends, as Notepad reads it. Every character is one column wide, a
// piece's distance from the paper's left edge becomes blanks before it, and the pieces on one
// baseline make one line. A text file has no paper edge, so nothing wraps and no page breaks.

#include "printing.h"

#include <map>
#include <string>
#include <vector>

namespace adjustment {

class TextFilePage final : public platform::PageCanvas
{
public:
    // Writes the file at `path` through `output` when the document is finished.
    TextFilePage(platform::ReportOutput &output, std::string path);

    double advance(const platform::PrintFont &font, const std::string &text) override;
    platform::FontMetrics metrics(const platform::PrintFont &font) override;
    platform::PrintableArea printableArea() override;
    std::size_t fitting(const platform::PrintFont &font, const std::string &text,
                        double width) override;
    void drawText(const platform::PlacedText &piece) override;
    bool newPage() override;
    bool finish() override;

private:
    void endPage();

    platform::ReportOutput &m_output;
    std::string m_path;
    std::map<long, std::multimap<long, std::string>> m_rows; // row → column → text
    std::vector<std::string> m_lines;
};

} // namespace adjustment

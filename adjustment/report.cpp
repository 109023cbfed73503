// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines, as the run prints them on the printer surface.

#include "report.h"

#include "numbers.h"
#include "texts.h"

#include <cstddef>
#include <string>

namespace adjustment {

namespace {

std::string metresText(double metres)
{
    return fixed3Text(metres) + std::string(texts::Metres);
}

std::string concat(std::string_view a, const std::string &b, std::string_view c)
{
    std::string text(a);
    text += b;
    text += c;
    return text;
}

} // namespace

platform::PrintOutcome printReport(platform::PrinterSurface &printer, const LevelingRoute &route,
                                   const AdjustmentResult &result)
{
    printer.setPosition(2000, 1000);
    printer.setFontName(std::string(texts::ReportFont));
    printer.setFontSize(12);
    printer.printLine(30, {std::string(texts::ReportTitle)});
    printer.printEmptyLine();
    printer.setFontSize(10);

    // Known elevations are the values read from their texts, formatted without rounding first.
    const auto n1 = static_cast<std::size_t>(route.N1);
    printer.printLine(23, {concat(texts::StartLabel, route.Names[0], texts::StartElevation),
                           metresText(route.haValue)});
    printer.printLine(23, {concat(texts::ClosingLabel, route.Names[n1], texts::ClosingElevation),
                           metresText(route.hbValue)});
    printer.printEmptyLine();

    for (std::size_t i = 0; i <= n1; ++i) {
        printer.printLine(26, {route.Names[i] + std::string(texts::AfterName),
                               metresText(roundHalfEven(result.H[i], 3))});
    }
    printer.printEmptyLine();

    printer.printLine(24, {std::string(texts::ClosureLine), metresText(result.fh)});
    return printer.endDocument();
}

} // namespace adjustment

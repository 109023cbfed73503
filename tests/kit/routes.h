// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The routes the tests run, with what each must show and print, built from the core's texts so
// that every suite, on every platform, expects the same.

#include "leveling_route.h"
#include "numbers.h"
#include "texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace kit {

using Lines = std::vector<std::string>;

struct Route
{
    Lines replies; // typed at the prompts, in order, the stepping prompts' included
    Lines report;  // the printed lines, the empty ones included
};

// The report of a route: the title, the known elevations, a line per point and the closure, with
// the empty lines between; the elevations and the closure in metres, as printed.
inline Lines report(const Lines &names, const Lines &elevations, const std::string &closure)
{
    namespace texts = adjustment::texts;
    const std::string metres(texts::Metres);
    Lines lines = {std::string(texts::ReportTitle), "",
                   std::string(texts::StartLabel) + names.front()
                           + std::string(texts::StartElevation) + elevations.front() + metres,
                   std::string(texts::ClosingLabel) + names.back()
                           + std::string(texts::ClosingElevation) + elevations.back() + metres,
                   ""};
    for (std::size_t i = 0; i < names.size(); ++i)
        lines.push_back(names[i] + std::string(texts::AfterName) + elevations[i] + metres);
    lines.push_back("");
    lines.push_back(std::string(texts::ClosureLine) + closure + metres);
    return lines;
}

// The example's report, its points named otherwise: A, P1 and B at 10.000, 10.197 and 10.500,
// the closure 10 mm.
inline Lines exampleReport(const std::string &start = "A", const std::string &point = "P1",
                           const std::string &closing = "B")
{
    return report({start, point, closing}, {"10.000", "10.197", "10.500"}, "0.010");
}

// The example: Ha entered as 10, re-entered as 10.000, Hb 10.5, points A, P1, B, distances 120
// and 280, height differences 0.2 and 0.31; the stepping prompts answered empty, zero and junk,
// each of which steps on.
inline Route exampleRoute()
{
    return {{"1",   "10", "0", "10.000", "", "10.5", "", "A", "P1", "120", "",
             "0.2", "",   "B", "280",    "", "0.31", "", "",  "0",  "x"},
            exampleReport()};
}

// Text1 … Text9 after the example.
inline Lines exampleFields()
{
    return {" 10.000",
            " 10.5",
            "  400",
            " 0.31",
            adjustment::texts::routeSummary("1"),
            "  B",
            "10.5",
            "10" + std::string(adjustment::texts::Millimetres),
            " P1"};
}

// A route of `points` points to be determined for the costs, A, P1 … B, distances and height
// differences varying along it, a closure of 12 mm; as the core holds it once entered.
inline adjustment::LevelingRoute bigLevelingRoute(long points)
{
    adjustment::LevelingRoute route;
    route.createArrays(points + 1);
    route.haValue = 100.0;
    route.hbValue = 100.0 + 0.001 * static_cast<double>(points + 1) + 0.012;
    route.Ha = "100";
    route.Hb = adjustment::generalText(route.hbValue);
    route.Names.front() = "A";
    route.Names.back() = "B";
    for (std::size_t i = 1; i < route.S.size(); ++i) {
        if (i < route.S.size() - 1)
            route.Names[i] = std::string(1, 'P').append(std::to_string(i));
        route.S[i] = 50.0 + static_cast<double>(i % 97);
        route.DH[i] = 0.001 + 0.0001 * static_cast<double>(i % 13) - 0.0006;
        route.SumS += route.S[i];
        route.SumDH += route.DH[i];
    }
    return route;
}

// The example as the core holds it once entered.
inline adjustment::LevelingRoute exampleLevelingRoute()
{
    return {"1", 2,   "10.000", "10.5", 10, 10.5, {"A", "P1", "B"}, {0, 120, 280}, {0, 0.2, 0.31},
            400, 0.51};
}

// Rising routes: the named points, first to last, Ha 100 and every segment 10 units rising
// 0.01 m, so there is no closure error and point i stands at 100 + 0.01 i. Every confirmation
// and stepping prompt is answered with an empty line.
inline std::string risingElevation(std::size_t i)
{
    const std::string thousandths = std::to_string(i % 100 * 10);
    return std::to_string(100 + i / 100) + "." + std::string(3 - thousandths.size(), '0')
           + thousandths;
}

inline Route risingRoute(const Lines &names)
{
    const std::size_t last = names.size() - 1;
    Route route{{std::to_string(last - 1), "100", "", risingElevation(last), "", names.front()},
                {}};
    Lines elevations = {risingElevation(0)};
    for (std::size_t i = 1; i <= last; ++i) {
        route.replies.insert(route.replies.end(), {names[i], "10", "", "0.01", ""});
        elevations.push_back(risingElevation(i));
    }
    route.replies.insert(route.replies.end(), last + 1, "");
    route.report = report(names, elevations, "0.000");
    return route;
}

// A, P1 … P`between`, B; point `longAt` is named `longName` instead.
inline Lines risingNames(int between, int longAt = -1, const std::string &longName = {})
{
    Lines names = {"A"};
    for (int i = 1; i <= between; ++i)
        names.push_back(std::string(1, 'P').append(std::to_string(i)));
    names.push_back("B");
    if (longAt >= 0)
        names.at(std::size_t(longAt)) = longName;
    return names;
}

// The long route: 150 points over several pages of report.
inline Route longRoute()
{
    return risingRoute(risingNames(150));
}

// A short route whose point P1 is named as markup, which must stay text.
inline Route markupRoute()
{
    return risingRoute(risingNames(1, 1, "<img src=x onerror=alert(1)>"));
}

// A short route whose point P1 has a name too long for a line of the report, so that it is cut
// where line_break.h says. Han characters only: where a character has no glyph in the report's
// faces, each platform draws it in a fallback face of its own.
inline Route wideRoute()
{
    std::string name;
    for (int i = 0; i < 40; ++i)
        name += "水准测量";
    return risingRoute(risingNames(1, 1, name));
}

// The route a window run is told to take by name: "example", "long", "markup" or "wide"; null for
// another name.
inline const Route *namedRoute(std::string_view name)
{
    static const Route example = exampleRoute();
    static const Route long150 = longRoute();
    static const Route markup = markupRoute();
    static const Route wide = wideRoute();
    return name == "example"  ? &example
           : name == "long"   ? &long150
           : name == "markup" ? &markup
           : name == "wide"   ? &wide
                              : nullptr;
}

} // namespace kit

// SPDX-License-Identifier: GPL-3.0-or-later

#include "routes.h"

#include "texts.h"

namespace kit {

namespace texts = adjustment::texts;

namespace {

std::string str(std::string_view text)
{
    return std::string(text);
}

std::string metres(std::string_view value)
{
    return str(value) + str(texts::Metres);
}

// Title, the known elevations, a line per point and the closure, with the empty lines between.
Lines report(const Lines &names, const Lines &elevations, std::string_view closure)
{
    Lines lines = {str(texts::ReportTitle), "",
                   str(texts::StartLabel) + names.front() + str(texts::StartElevation)
                           + metres(elevations.front()),
                   str(texts::ClosingLabel) + names.back() + str(texts::ClosingElevation)
                           + metres(elevations.back()),
                   ""};
    for (std::size_t i = 0; i < names.size(); ++i)
        lines.push_back(names[i] + str(texts::AfterName) + metres(elevations[i]));
    lines.push_back("");
    lines.push_back(str(texts::ClosureLine) + metres(closure));
    return lines;
}

} // namespace

Route exampleRoute()
{
    return {{"1",   "10", "0", "10.000", "", "10.5", "", "A", "P1", "120", "",
             "0.2", "",   "B", "280",    "", "0.31", "", "",  "0",  "x"},
            exampleReport()};
}

Lines examplePrompts()
{
    const std::string step = str(texts::StepPrompt);
    return {str(texts::P1),
            str(texts::P2),
            str(texts::ConfirmHa.c1),
            str(texts::ConfirmHa.r),
            str(texts::ConfirmHa.c2),
            str(texts::P3),
            str(texts::ConfirmHb.c1),
            str(texts::P4),
            texts::pointNamePrompt(1),
            texts::segmentDistancePrompt(1),
            str(texts::ConfirmS.c1),
            str(texts::P6),
            str(texts::ConfirmDH.c1),
            str(texts::P5),
            texts::segmentDistancePrompt(2),
            str(texts::ConfirmS.c1),
            str(texts::P6),
            str(texts::ConfirmDH.c1),
            step,
            step,
            step};
}

Lines exampleFields()
{
    return {" 10.000",
            " 10.5",
            "  400",
            " 0.31",
            texts::routeSummary("1"),
            "  B",
            "10.5",
            "10" + str(texts::Millimetres),
            " P1"};
}

Lines exampleReport(std::string_view start, std::string_view point, std::string_view closing)
{
    return report({str(start), str(point), str(closing)}, {"10.000", "10.197", "10.500"}, "0.010");
}

adjustment::LevelingRoute exampleLevelingRoute()
{
    return {"1", 2,   "10.000", "10.5", 10, 10.5, {"A", "P1", "B"}, {0, 120, 280}, {0, 0.2, 0.31},
            400, 0.51};
}

std::string risingElevation(std::size_t i)
{
    const std::string thousandths = std::to_string(i % 100 * 10);
    return std::to_string(100 + i / 100) + "." + std::string(3 - thousandths.size(), '0')
           + thousandths;
}

Route risingRoute(const Lines &names)
{
    const std::size_t last = names.size() - 1;
    Route route{{std::to_string(last - 1), "100", "", risingElevation(last), "", names.front()},
                {}};
    for (std::size_t i = 1; i <= last; ++i)
        route.replies.insert(route.replies.end(), {names[i], "10", "", "0.01", ""});
    route.replies.insert(route.replies.end(), last + 1, "");
    Lines elevations;
    for (std::size_t i = 0; i <= last; ++i)
        elevations.push_back(risingElevation(i));
    route.report = report(names, elevations, "0.000");
    return route;
}

Lines risingNames(int between, int longAt, const std::string &longName)
{
    Lines names = {"A"};
    for (int i = 1; i <= between; ++i)
        names.push_back(std::string(1, 'P').append(std::to_string(i)));
    names.push_back("B");
    if (longAt >= 0)
        names.at(std::size_t(longAt)) = longName;
    return names;
}

Route longRoute()
{
    return risingRoute(risingNames(150));
}

const Route *namedRoute(std::string_view name)
{
    static const Route example = exampleRoute();
    static const Route long150 = longRoute();
    return name == "example" ? &example : name == "long" ? &long150 : nullptr;
}

} // namespace kit

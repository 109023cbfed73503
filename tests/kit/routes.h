// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The routes the tests run, with what each must ask, show and print, built from the core's texts
// so that every suite, on every platform, expects the same.

#include "leveling_route.h"

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

// The example: Ha entered as 10, re-entered as 10.000, Hb 10.5, points A, P1, B, distances 120
// and 280, height differences 0.2 and 0.31; the stepping prompts answered empty, zero and junk,
// each of which steps on. The closure is 10 mm and P1 comes out at 10.197.
Route exampleRoute();
Lines examplePrompts(); // as asked, in order
Lines exampleFields();  // Text1 … Text9 afterwards
// The example's report, its points named otherwise.
Lines exampleReport(std::string_view start = "A", std::string_view point = "P1",
                    std::string_view closing = "B");
// The example as the core holds it once entered.
adjustment::LevelingRoute exampleLevelingRoute();

// Rising routes: the named points, first to last, Ha 100 and every segment 10 units rising
// 0.01 m, so there is no closure error and point i stands at 100 + 0.01 i. Every confirmation
// and stepping prompt is answered with an empty line.
std::string risingElevation(std::size_t i);
Route risingRoute(const Lines &names);
// A, P1 … P`between`, B; point `longAt` is named `longName` instead.
Lines risingNames(int between, int longAt = -1, const std::string &longName = {});
// The long route: 150 points over several pages of report.
Route longRoute();

// The route a window run is told to take by name: "example" or "long"; null for another name.
const Route *namedRoute(std::string_view name);

} // namespace kit

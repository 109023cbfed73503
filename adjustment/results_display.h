// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window shows after the entry: the closure error and total distance, then every
// point's adjusted elevation, one point per stepping prompt.

#include "adjustment_result.h"
#include "leveling_route.h"

#include "platform.h"

#include <string>

namespace adjustment {

// "10毫米": 1000 × fh rounded half-even to 2 decimals.
std::string closureText(double fhMetres);
// "10.197": rounded half-even to 3 decimals, no unit.
std::string elevationText(double metres);

// Writes Text8 (closure error in millimetres) and Text3 (total distance).
void showClosure(platform::FieldService &fields, const LevelingRoute &route,
                 const AdjustmentResult &result);

// For every point, start and closing point included: asks the stepping prompt (the reply is
// not used), then shows the point's name in Text6 and its elevation in Text7.
void stepThroughElevations(platform::Services &services, const LevelingRoute &route,
                           const AdjustmentResult &result);

} // namespace adjustment

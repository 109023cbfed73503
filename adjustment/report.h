// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printed report: known elevations, every point's adjusted elevation, the closure error.

#include "adjustment_result.h"
#include "leveling_route.h"

#include "platform.h"

namespace adjustment {

// Prints the whole report and ends the document; returns how the document ended.
platform::PrintOutcome printReport(platform::PrinterSurface &printer, const LevelingRoute &route,
                                   const AdjustmentResult &result);

} // namespace adjustment

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Closure error and the simple adjustment of the route: the correction -fh is spread over the
// segments in proportion to their distances.

#include "leveling_route.h"

#include <vector>

namespace adjustment {

struct AdjustmentResult
{
    double fh = 0.0;       // closure error in metres: computed minus known elevation of B
    double v = 0.0;        // correction per unit of distance: -fh / SumS
    std::vector<double> H; // adjusted elevations in metres, 0 … N1
};

// One pass over the route, all in double precision, nothing rounded. H[N1] is computed, not
// copied from Hb, and equals it up to floating-point error.
AdjustmentResult computeAdjustment(const LevelingRoute &route);

} // namespace adjustment

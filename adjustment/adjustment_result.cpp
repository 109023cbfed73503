// SPDX-License-Identifier: GPL-3.0-or-later
// The closure error, the corrections and the adjusted elevations of a route.

#include "adjustment_result.h"

#include <cstddef>

namespace adjustment {

AdjustmentResult computeAdjustment(const LevelingRoute &route)
{
    AdjustmentResult result;
    const double t = route.haValue + route.SumDH;
    result.fh = t - route.hbValue;
    result.v = (-result.fh) / route.SumS;

    const auto n1 = static_cast<std::size_t>(route.N1);
    result.H.resize(n1 + 1);
    result.H[0] = route.haValue;
    const double *s = route.S.data();
    const double *dh = route.DH.data();
    double *h = result.H.data();
    for (std::size_t i = 1; i <= n1; ++i) {
        // This grouping exactly: the measured rise on the previous elevation, then the correction.
        h[i] = (dh[i] + h[i - 1]) + s[i] * result.v;
    }
    return result;
}

} // namespace adjustment

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The route entered in one run: from benchmark A (point 0) through N points to be determined
// to benchmark B (point N1 = N + 1). Segment I runs from point I - 1 to point I; element 0 of
// S and DH is never used.

#include <cstddef>
#include <string>
#include <vector>

namespace adjustment {

struct LevelingRoute
{
    std::string N;                  // the count of points to be determined, as typed
    long N1 = 0;                    // index of the closing point, and the number of segments
    std::string Ha;                 // elevation of the start point in metres, as typed
    std::string Hb;                 // elevation of the closing point in metres, as typed
    double haValue = 0.0;           // Ha read as a number
    double hbValue = 0.0;           // Hb read as a number
    std::vector<std::string> Names; // point names as typed, 0 … N1
    std::vector<double> S;          // segment distances (any unit), 0 … N1
    std::vector<double> DH;         // measured height differences in metres, 0 … N1
    double SumS = 0.0;
    double SumDH = 0.0;

    // Creates the arrays 0 … n1: names empty, numbers zero.
    void createArrays(long n1)
    {
        N1 = n1;
        const auto size = static_cast<std::size_t>(n1) + 1;
        Names.assign(size, std::string());
        S.assign(size, 0.0);
        DH.assign(size, 0.0);
    }
};

} // namespace adjustment

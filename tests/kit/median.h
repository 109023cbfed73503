// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The median of repeated measurements, for the benches on every platform.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kit {

// The middle value, or the mean of the two middle ones of an even count; 0 for none.
template<class Value>
double median(std::vector<Value> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1
                   ? static_cast<double>(values[middle])
                   : (static_cast<double>(values[middle - 1]) + static_cast<double>(values[middle]))
                             / 2;
}

} // namespace kit

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The median of repeated measurements, for the benches on every platform: the middle value, or
// the mean of the two middle ones of an even count; 0 for none.

#include <algorithm>
#include <vector>

namespace kit {

template<class Value>
double median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (double(values[(n - 1) / 2]) + double(values[n / 2])) / 2;
}

} // namespace kit

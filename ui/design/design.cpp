// SPDX-License-Identifier: GPL-3.0-or-later
// The name a screen reader gives a field, from its labels' captions.

#include "design.h"

#include <algorithm>

namespace design {

std::string spokenName(const FieldLabels &names)
{
    std::string name(labels[labelIndex(names.heading)].caption);
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    if (names.symbol.empty())
        return name;
    std::string_view symbol = labels[labelIndex(names.symbol)].caption;
    const auto first = symbol.find_first_not_of(' ');
    if (first != std::string_view::npos)
        symbol = symbol.substr(first, symbol.find_last_not_of(' ') - first + 1);
    else
        symbol = {};
    name += ' ';
    name += symbol;
    return name;
}

} // namespace design

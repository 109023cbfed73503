// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a printed line too long for its paper is cut, the same on every device: after a blank
// or between two Han characters where it can be, else after the last character that fits, and
// never inside a character. The device only says how much of a text fits.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The end, in code points, of the first piece of `text` when its first `fits` code points fit:
// after the last blank or between the last two Han characters within them, else at `fits`, and
// at least one code point. Blanks right after what fits go with it: they need no room on paper.
std::size_t lineCut(std::u32string_view text, std::size_t fits);

// The code points of a UTF-8 text: its bytes that do not continue a sequence.
std::size_t codePoints(std::string_view text);

// How many code points from the start of a UTF-8 text fit on the line.
using Fitting = std::function<std::size_t(std::string_view text)>;

// `text`, as UTF-8, cut into pieces that fit, in order; each piece holds at least one code point,
// so text that cannot fit at all still comes to an end.
std::vector<std::string> breakLine(const std::string &text, const Fitting &fits);

// The code points among the first `units` UTF-16 units of a text: how a device that measures
// UTF-16 says how much fits. A surrogate pair cut in half does not count.
template<typename Unit>
std::size_t codePointsIn(const Unit *text, std::size_t units)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<char32_t>(text[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == units)
                break;
            ++i;
        }
        ++count;
    }
    return count;
}

} // namespace platform

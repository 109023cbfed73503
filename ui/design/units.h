// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Twips, the unit of the design and of the report (1/1440 inch), in points and in pixels.

namespace design {

inline constexpr int twipsPerInch = 1440;
inline constexpr int twipsPerPoint = 20;
// One logical pixel: 15 twips at 96 dots per inch; toolkits scale that on other screens.
inline constexpr int twipsPerPixel = 15;
inline constexpr int logicalDpi = twipsPerInch / twipsPerPixel;

// Twips in whole pixels at `dpi` dots per inch, cut toward zero: at logicalDpi the same as px().
constexpr int pixels(int twips, int dpi)
{
    return twips * dpi / twipsPerInch;
}

// Twips in logical pixels, cut toward zero.
constexpr int px(int twips)
{
    return twips / twipsPerPixel;
}

static_assert(pixels(4799, logicalDpi) == px(4799) && pixels(4800, logicalDpi) == px(4800));

} // namespace design

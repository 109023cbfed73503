// SPDX-License-Identifier: GPL-3.0-or-later
// Forwards to the standard library where it converts doubles (BRANNOCK_STD_DOUBLE_CHARCONV, from
// the configure check in platform/CMakeLists.txt), else to the C library in the "C" locale.

#include "double_chars.h"

namespace platform {

std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
#ifdef BRANNOCK_STD_DOUBLE_CHARCONV
    return std::from_chars(first, last, value);
#else
    return locale_free::fromChars(first, last, value);
#endif
}

std::to_chars_result toChars(char *first, char *last, double value)
{
#ifdef BRANNOCK_STD_DOUBLE_CHARCONV
    return std::to_chars(first, last, value);
#else
    return locale_free::toChars(first, last, value);
#endif
}

std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision)
{
#ifdef BRANNOCK_STD_DOUBLE_CHARCONV
    return std::to_chars(first, last, value, format, precision);
#else
    return locale_free::toChars(first, last, value, format, precision);
#endif
}

} // namespace platform

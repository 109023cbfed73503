// SPDX-License-Identifier: GPL-3.0-or-later
// Forwards to the standard library where it converts doubles (BRANNOCK_STD_DOUBLE_CHARCONV, from
// the configure check in platform/CMakeLists.txt), else to the C library in the "C" locale.

#include "double_chars.h"

namespace platform {

#ifdef BRANNOCK_STD_DOUBLE_CHARCONV

std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
    return std::from_chars(first, last, value);
}

std::to_chars_result toChars(char *first, char *last, double value)
{
    return std::to_chars(first, last, value);
}

std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision)
{
    return std::to_chars(first, last, value, format, precision);
}

#else

std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
    return locale_free::fromChars(first, last, value);
}

std::to_chars_result toChars(char *first, char *last, double value)
{
    return locale_free::toChars(first, last, value);
}

std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision)
{
    return locale_free::toChars(first, last, value, format, precision);
}

#endif

} // namespace platform

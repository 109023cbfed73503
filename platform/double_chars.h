// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Doubles read from and written to text, the same under every locale and on every system. Each
// function has the contract of the std::from_chars / std::to_chars overload of the same shape and
// forwards to it; where the standard library lacks those overloads for double (the libc++ that
// emscripten 3.1.6 ships), the C library does the work in the "C" locale instead (locale_free).

#include <charconv>

namespace platform {

// std::from_chars(first, last, value): general format, no leading blanks or "+".
std::from_chars_result fromChars(const char *first, const char *last, double &value);
// std::to_chars(first, last, value): the shortest text that reads back as the same double.
std::to_chars_result toChars(char *first, char *last, double value);
// std::to_chars(first, last, value, format, precision), for fixed and scientific.
std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision);

// The same through strtod and snprintf in the "C" locale. Built only where it is used, and in the
// tests that compare it with the standard library's.
namespace locale_free {
std::from_chars_result fromChars(const char *first, const char *last, double &value);
std::to_chars_result toChars(char *first, char *last, double value);
std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision);
} // namespace locale_free

} // namespace platform

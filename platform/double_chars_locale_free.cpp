// SPDX-License-Identifier: GPL-3.0-or-later
// Doubles through strtod and snprintf, for a standard library without the double overloads of
// std::from_chars and std::to_chars. Both C functions follow the thread's locale, so every call
// switches the calling thread to the "C" locale and back: a comma-decimal locale changes nothing.

#include "double_chars.h"

#include <locale.h> // newlocale, uselocale (POSIX)

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform::locale_free {

namespace {

// Puts the calling thread in the "C" locale while it lives.
class CLocale
{
public:
    CLocale()
        : m_previous(uselocale(cLocale()))
    {}
    ~CLocale() { uselocale(m_previous); }
    CLocale(const CLocale &) = delete;
    CLocale &operator=(const CLocale &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t m_previous;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A character of "nan(chars)": an ASCII letter or digit, or "_".
bool isNanChar(char c)
{
    const int lower = c | 0x20;
    return isDigit(c) || c == '_' || (lower >= 'a' && lower <= 'z');
}

// Whether [first, last) starts with `word` (lower case), in any case.
bool startsWith(const char *first, const char *last, const char *word)
{
    for (; *word != '\0'; ++word, ++first) {
        if (first == last || (*first | 0x20) != *word)
            return false;
    }
    return true;
}

double parsed(const std::string &text)
{
    const CLocale c;
    return std::strtod(text.c_str(), nullptr);
}

// printf's "%.*e" (scientific), "%.*f" (fixed) or "%.*g" of `value`.
std::string printed(std::chars_format format, int precision, double value)
{
    const char *pattern = format == std::chars_format::scientific ? "%.*e"
                          : format == std::chars_format::fixed    ? "%.*f"
                                                                  : "%.*g";
    const CLocale c;
    const int length = std::snprintf(nullptr, 0, pattern, precision, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, precision, value);
    return text;
}

std::to_chars_result copied(char *first, char *last, const std::string &text)
{
    if (text.size() > static_cast<std::size_t>(last - first))
        return {last, std::errc::value_too_large};
    return {text.copy(first, text.size()) + first, std::errc()};
}

// d.ddd × 10^exponent read back.
double readBack(const std::string &digits, int exponent)
{
    return parsed(digits.substr(0, 1) + '.' + digits.substr(1) + 'e' + std::to_string(exponent));
}

} // namespace

std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
    // The text std::from_chars takes: -? (inf | infinity | nan | nan(chars) | digits . digits
    // with at least one digit, then e±digits if digits follow)
    const char *p = first;
    if (p != last && *p == '-')
        ++p;
    bool special = true;
    bool nonZero = false;
    if (startsWith(p, last, "infinity")) {
        p += 8;
    } else if (startsWith(p, last, "inf")) {
        p += 3;
    } else if (startsWith(p, last, "nan")) {
        p += 3;
        const char *q = p;
        if (q != last && *q == '(') {
            for (++q; q != last && isNanChar(*q);)
                ++q;
            if (q != last && *q == ')')
                p = q + 1;
        }
    } else {
        special = false;
        std::size_t digits = 0;
        for (; p != last && isDigit(*p); ++p, ++digits)
            nonZero = nonZero || *p != '0';
        if (p != last && *p == '.') {
            for (++p; p != last && isDigit(*p); ++p, ++digits)
                nonZero = nonZero || *p != '0';
        }
        if (digits == 0)
            return {first, std::errc::invalid_argument};
        if (p != last && (*p == 'e' || *p == 'E')) {
            const char *q = p + 1;
            if (q != last && (*q == '+' || *q == '-'))
                ++q;
            if (q != last && isDigit(*q)) {
                while (q != last && isDigit(*q))
                    ++q;
                p = q;
            }
        }
    }
    const double result = parsed(std::string(first, p));
    // Out of range: too large, or too small for even the least subnormal; `value` stays.
    if (!special && (std::isinf(result) || (result == 0.0 && nonZero)))
        return {p, std::errc::result_out_of_range};
    value = result;
    return {p, std::errc()};
}

std::to_chars_result toChars(char *first, char *last, double value, std::chars_format format,
                             int precision)
{
    return copied(first, last, printed(format, precision, value));
}

std::to_chars_result toChars(char *first, char *last, double value)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return copied(first, last, sign + "nan");
    if (std::isinf(value))
        return copied(first, last, sign + "inf");

    // The fewest significant digits that read back as the value; of those, the nearest to it.
    const double magnitude = std::fabs(value);
    std::string digits;
    int exponent = 0;
    for (int precision = 0; precision <= 17; ++precision) {
        const std::string sci = printed(std::chars_format::scientific, precision, magnitude);
        const auto e = sci.find('e');
        digits = sci.substr(0, 1) + (e > 1 ? sci.substr(2, e - 2) : "");
        exponent = std::atoi(sci.c_str() + e + 1);
        if (readBack(digits, exponent) == magnitude)
            break;
        // Just above a power of two the doubles lie twice as far apart as just below it, so the
        // digits one above the nearest may read back where the nearest do not.
        std::string up = digits;
        auto i = up.size();
        while (i > 0 && up[i - 1] == '9')
            up[--i] = '0';
        int upExponent = exponent;
        if (i == 0) {
            up.insert(up.begin(), '1');
            up.pop_back();
            ++upExponent;
        } else {
            ++up[i - 1];
        }
        if (readBack(up, upExponent) == magnitude) {
            digits = up;
            exponent = upExponent;
            break;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    // Fixed or scientific, whichever is shorter; fixed on a tie.
    const auto count = static_cast<int>(digits.size());
    std::string fixed;
    if (exponent < 0)
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (count <= exponent + 1) // a whole number, written with all its digits exact
        fixed = printed(std::chars_format::fixed, 0, magnitude);
    else
        fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + '.'
                + digits.substr(static_cast<std::size_t>(exponent + 1));
    const int power = exponent < 0 ? -exponent : exponent;
    std::string scientific = digits.substr(0, 1);
    if (count > 1)
        scientific += '.' + digits.substr(1);
    scientific += exponent < 0 ? "e-" : "e+";
    scientific += (power < 10 ? "0" : "") + std::to_string(power);
    return copied(first, last, sign + (fixed.size() <= scientific.size() ? fixed : scientific));
}

} // namespace platform::locale_free

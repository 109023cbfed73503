// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers read from replies and written for fields and the report, the same under every locale.

#include "numbers.h"

#include "double_chars.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace adjustment {

namespace {

// Rewrites the full-width forms that Chinese input methods type as ASCII, and every blank
// (ASCII blank, tab, no-break space, ideographic blank) as an ASCII blank.
std::string normalised(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xEF && i + 2 < text.size()
            && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last >= 0x90 && last <= 0x99) { // U+FF10..U+FF19
                out += static_cast<char>('0' + (last - 0x90));
                i += 3;
                continue;
            }
            if (last == 0x8B || last == 0x8D || last == 0x8E) { // U+FF0B, U+FF0D, U+FF0E
                out += last == 0x8B ? '+' : last == 0x8D ? '-' : '.';
                i += 3;
                continue;
            }
        }
        if (byte == 0xE3 && i + 2 < text.size()
            && static_cast<unsigned char>(text[i + 1]) == 0x80) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last == 0x80 || last == 0x82) { // U+3000 blank, U+3002 "。"
                out += last == 0x80 ? ' ' : '.';
                i += 3;
                continue;
            }
        }
        if (byte == 0xC2 && i + 1 < text.size()
            && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            out += ' '; // U+00A0
            i += 2;
            continue;
        }
        out += byte == '\t' ? ' ' : text[i];
        ++i;
    }
    return out;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal magnitude of a number that from_chars found out of range: negative means it is
// too small (it underflows), otherwise too large. `mantissa` is the digits and point only.
long long decimalMagnitude(std::string_view mantissa, std::string_view exponent)
{
    long long magnitude = 0;
    const auto point = mantissa.find('.');
    const auto intPart = mantissa.substr(0, point);
    const auto firstNonZero = intPart.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<long long>(intPart.size() - firstNonZero) - 1;
    } else if (point != std::string_view::npos) {
        const auto frac = mantissa.substr(point + 1);
        magnitude = -static_cast<long long>(frac.find_first_not_of('0')) - 1;
    }
    long long exp = 0;
    bool negative = false;
    std::size_t i = 0;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-'))
        negative = exponent[i++] == '-';
    for (; i < exponent.size(); ++i) {
        exp = exp * 10 + (exponent[i] - '0');
        if (exp > 1'000'000'000)
            break; // far out of range either way
    }
    return magnitude + (negative ? -exp : exp);
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    const std::string ascii = normalised(text);
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = ascii.find_last_not_of(' ');
    std::string_view s(ascii.data() + first, last - first + 1);

    // sign? (digits [. digits?] | . digits) ([eE] sign? digits)?
    bool negative = false;
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    const std::string_view mantissa = s.substr(mantissaStart, i - mantissaStart);
    std::string_view exponent;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const std::size_t expStart = ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i)
            ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
        exponent = s.substr(expStart, i - expStart);
    }
    if (i != s.size())
        return std::nullopt;

    double value = 0.0;
    const char *begin = s.data() + mantissaStart; // from_chars takes no "+"
    const auto result = platform::fromChars(begin, s.data() + s.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(mantissa, exponent) >= 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool readsAsZero(std::string_view text)
{
    const auto value = readNumber(text);
    return value && *value == 0.0;
}

std::string generalText(double value, int powerOfTen)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0.0)
        return "0";

    // 15 significant digits: d.dddddddddddddde±XX
    std::array<char, 40> buffer{};
    const auto result = platform::toChars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific, 14);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const bool negative = sci.front() == '-';
    const auto e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    exponent += powerOfTen;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += '.';
                out += digits.substr(intDigits);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

double roundHalfEven(double value, int decimals)
{
    static constexpr std::array<double, 16> powers = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale = powers[static_cast<std::size_t>(decimals)];
    const double scaled = value * scale;
    // From 2^52 on every double is a whole number: nothing is left to round.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0)
        return value;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole; // exact for |scaled| < 2^52
    double rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        rounded = whole + 1.0;
    return rounded / scale + 0.0; // + 0.0 turns -0 into 0
}

std::string fixed3Text(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // Rounded first as the point list rounds, so that a tie typed as x.xxx5, whose binary value
    // lies a little above or below it, prints the same wherever it stands on the page.
    const double rounded = roundHalfEven(value, 3);
    // The largest double has 309 digits before the point.
    std::array<char, 330> buffer{};
    const auto result = platform::toChars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                          std::chars_format::fixed, 3);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0.000")
        text = "0.000";
    return text;
}

} // namespace adjustment

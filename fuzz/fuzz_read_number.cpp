// SPDX-License-Identifier: GPL-3.0-or-later
// Number reading and writing under arbitrary bytes. The bytes are read as a reply; the value read
// and the double whose bits are the first eight bytes go through every writer, so the writers
// see every kind of double, not only those a reply can spell. A broken property aborts.

#include "numbers.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using adjustment::fixed3Text;
using adjustment::generalText;
using adjustment::readNumber;
using adjustment::readsAsZero;
using adjustment::roundHalfEven;

namespace {

void require(bool holds, const char *property, const std::string &text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s [%s]\n", property, text.c_str());
    std::abort();
}

bool sameReading(const std::optional<double> &a, const std::optional<double> &b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

// The non-ASCII forms a number may be typed with, each as UTF-8.
constexpr std::array<std::string_view, 16> kWideForms
        = {"\uFF10", "\uFF11", "\uFF12", "\uFF13", "\uFF14", "\uFF15", "\uFF16", "\uFF17",
           "\uFF18", "\uFF19", "\uFF0B", "\uFF0D", "\uFF0E", "\u3002", "\u3000", "\u00A0"};

// True when every character of the text is one a number may be written with.
bool onlyNumberCharacters(std::string_view text)
{
    static constexpr std::string_view ascii = "0123456789+-.eE \t";
    for (std::size_t i = 0; i < text.size();) {
        if (ascii.find(text[i]) != std::string_view::npos) {
            ++i;
            continue;
        }
        bool wide = false;
        for (const auto form : kWideForms) {
            if (text.substr(i, form.size()) == form) {
                i += form.size();
                wide = true;
                break;
            }
        }
        if (!wide)
            return false;
    }
    return true;
}

bool hasLetterOtherThanE(std::string_view text)
{
    for (const char c : text) {
        if (((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && c != 'e' && c != 'E')
            return true;
    }
    return false;
}

// The text as an input method in full-width mode types it; "e" and "E" stay ASCII. The decimal
// point alternates between "．" and "。" so both are exercised.
std::string fullWidth(std::string_view ascii)
{
    std::string out;
    bool ideographicStop = false;
    for (const char c : ascii) {
        switch (c) {
        case '+':
            out += "\uFF0B";
            break;
        case '-':
            out += "\uFF0D";
            break;
        case '.':
            ideographicStop = !ideographicStop;
            out += ideographicStop ? "\u3002" : "\uFF0E";
            break;
        case ' ':
            out += "\u3000";
            break;
        default:
            if (c >= '0' && c <= '9')
                out += kWideForms[static_cast<std::size_t>(c - '0')];
            else
                out += c;
        }
    }
    return out;
}

// Checks readNumber against the C library's strtod (correctly rounded, C locale) on texts of
// ASCII digits, signs, points, exponent letters and blanks, and against the same text typed in
// full width.
void checkAsciiReading(std::string_view text, const std::optional<double> &value)
{
    if (text.find_first_not_of("0123456789+-.eE ") != std::string_view::npos)
        return;
    require(sameReading(readNumber(fullWidth(text)), value), "full width reads alike",
            std::string(text));

    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        require(!value, "blank text is not a number");
        return;
    }
    const std::string trimmed(text.substr(first, text.find_last_not_of(' ') - first + 1));
    char *end = nullptr;
    errno = 0;
    const double expected = std::strtod(trimmed.c_str(), &end);
    const bool whole = end == trimmed.c_str() + trimmed.size();
    if (!whole || std::isinf(expected)) {
        require(!value, "strtod rejects or overflows, readNumber must reject", trimmed);
        return;
    }
    require(value && *value == expected, "readNumber agrees with strtod", trimmed);
}

// Significant digits of a generalText text: the digits before "E", leading zeros not counted.
std::size_t significantDigits(std::string_view text)
{
    const auto mantissa = text.substr(0, text.find('E'));
    std::size_t count = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++count;
    }
    return count;
}

void checkGeneralText(double x)
{
    const std::string text = generalText(x);
    if (!std::isfinite(x)) {
        require(text == (std::isnan(x) ? "nan" : x < 0 ? "-inf" : "inf"), "non-finite text", text);
        return;
    }
    require(text != "-0" && (x != 0.0 || text == "0"), "zero is \"0\"", text);
    require(significantDigits(text) <= 15, "at most 15 significant digits", text);
    const auto mantissa = std::string_view(text).substr(0, text.find('E'));
    if (mantissa.find('.') != std::string_view::npos)
        require(mantissa.back() != '0' && mantissa.back() != '.', "no trailing zeros", text);

    const auto back = readNumber(text);
    if (!back) {
        // The largest doubles round to 15 digits beyond the largest double; nothing else may
        // fail to read back.
        require(text == "1.79769313486232E+308" || text == "-1.79769313486232E+308",
                "generalText reads back", text);
        return;
    }
    require(std::fabs(*back - x)
                    <= 5.2e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min(),
            "generalText keeps 15 significant digits", text);
    const double shown = std::fabs(*back);
    const bool plain = shown == 0.0 || (shown >= 1e-5 && shown < 1e15);
    require(plain == (text.find('E') == std::string::npos),
            "exponent form exactly outside 1e-5 .. 1e15", text);
}

void checkFixed3Text(double x)
{
    const std::string text = fixed3Text(x);
    if (!std::isfinite(x)) {
        require(text == (std::isnan(x) ? "nan" : x < 0 ? "-inf" : "inf"), "non-finite text", text);
        return;
    }
    require(text != "-0.000", "no negative zero", text);
    const auto point = text.find('.');
    require(point != std::string::npos && text.size() - point == 4, "three decimals", text);
    const auto back = readNumber(text);
    require(back.has_value(), "fixed3Text reads back", text);
    require(std::fabs(*back - x) <= 0.0005 * (1.0 + 1e-9) + 2.3e-16 * std::fabs(x),
            "fixed3Text is within half a thousandth", text);
    require((text.front() == '-') == (*back < 0.0), "a minus sign only on a negative value", text);
}

// The scaled value rounded by the FPU's own round-to-nearest-even.
void checkRoundHalfEven(double x)
{
    static constexpr std::array<double, 4> scales = {1.0, 10.0, 100.0, 1000.0};
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double rounded = roundHalfEven(x, decimals);
        const double scaled = x * scales[static_cast<std::size_t>(decimals)];
        if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) {
            require(std::memcmp(&rounded, &x, sizeof x) == 0, "unroundable value unchanged",
                    generalText(x));
            continue;
        }
        const double expected = std::nearbyint(scaled) / scales[static_cast<std::size_t>(decimals)];
        require(rounded == expected, "ties to even", generalText(x));
        require(!(rounded == 0.0 && std::signbit(rounded)), "no negative zero", generalText(x));
    }
}

void checkWriters(double x)
{
    checkGeneralText(x);
    checkFixed3Text(x);
    checkRoundHalfEven(x);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const auto value = readNumber(text);
    require(readsAsZero(text) == (value && *value == 0.0), "readsAsZero agrees");
    if (value) {
        require(std::isfinite(*value), "a value read is finite", generalText(*value));
        require(!hasLetterOtherThanE(text), "no letters but e and E in a number");
        require(onlyNumberCharacters(text), "only number characters in a number");
    }
    const std::string wrapped = "\u3000 \t\u00A0" + std::string(text) + "\u00A0\t \u3000";
    require(sameReading(readNumber(wrapped), value), "blanks around do not matter");
    checkAsciiReading(text, value);

    if (value)
        checkWriters(*value);
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        checkWriters(bits);
    }
    return 0;
}

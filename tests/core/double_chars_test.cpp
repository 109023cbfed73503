// SPDX-License-Identifier: GPL-3.0-or-later
// The locale-free number texts give what the standard library gives, bit for bit and character
// for character, under a comma-decimal locale.

#include "double_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

namespace lf = platform::locale_free;

// Reads `text` both ways into values that start alike: the same end, outcome and bits.
void expectSameRead(const std::string &text)
{
    double want = 12345.678, got = want;
    const auto w = std::from_chars(text.data(), text.data() + text.size(), want);
    const auto g = lf::fromChars(text.data(), text.data() + text.size(), got);
    EXPECT_TRUE(g.ptr == w.ptr && g.ec == w.ec
                && std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want))
            << '"' << text << "\" read as " << got << ", not " << want;
}

// Writes `value` both ways, shortest and as the program writes it, and reads it back.
void expectSameText(double value)
{
    char w[400], g[400];
    const std::string shortest(w, std::to_chars(w, w + sizeof w, value).ptr);
    EXPECT_EQ(std::string(g, lf::toChars(g, g + sizeof g, value).ptr), shortest);
    for (auto [format, precision] :
         {std::pair{std::chars_format::scientific, 14}, std::pair{std::chars_format::fixed, 3}})
        EXPECT_EQ(std::string(g, lf::toChars(g, g + sizeof g, value, format, precision).ptr),
                  std::string(w, std::to_chars(w, w + sizeof w, value, format, precision).ptr));
    expectSameRead(shortest);
}

// Sets the comma-decimal locale for a test and puts the previous one back.
class LocaleFreeChars : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (the install script generates it)";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
    std::string m_saved = std::setlocale(LC_ALL, nullptr);
};

const char *const edgeTexts[] = {
        // Forms, signs, blanks and stray characters.
        "0", "-0", "0.0e0", "10", "1e22", "1e23", "0.1", "1.", ".5", ".", "", "-", "+1", " 1",
        "1,5", "1e", "1e+", "1e+5x", "0x1p3", "00012.5000e-0003", "inf", "-Infinity", "infinit",
        "nan", "-NaN", "nan(x)", "nan(",
        // The least and the largest doubles, past them, and ties.
        "5e-324", "-5e-324", "4.9406564584124654e-324", "2.4703282292062327e-324",
        "2.4703282292062328e-324", "2.2250738585072011e-308", "2.2250738585072012e-308", "1e-400",
        "-1e-400", "1e308", "1.7976931348623157e308", "1.7976931348623158e308",
        "1.7976931348623159e308", "1e309", "1e99999999999999999999", "9007199254740993",
        "9007199254740993.0000000000000000000001", "0.5000000000000000555"};

// Random doubles of every kind (subnormals, infinities, NaNs among them), written and read back;
// then every power of two, where the doubles below lie twice as close as those above.
TEST_F(LocaleFreeChars, DoublesWriteAsTheStandardLibraryWritesThem)
{
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200'000; ++i)
        expectSameText(std::bit_cast<double>(random()));
    for (int power = -1074; power <= 1023; ++power)
        expectSameText(std::ldexp(1.0, power));
}

// The edge texts, random decimal texts; the exact halfway point between two neighbouring doubles,
// which rounds to even, and that point with a digit beyond it, which rounds up.
TEST_F(LocaleFreeChars, DecimalTextsAndTiesReadAsTheStandardLibraryReadsThem)
{
    for (const char *text : edgeTexts)
        expectSameRead(text);
    std::mt19937_64 random(1209);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = std::to_string(random() % 100'000'000'000'000'000ULL);
        text.insert(random() % (text.size() + 1), ".");
        expectSameRead(text + "e" + std::to_string(static_cast<int>(random() % 700) - 350));
    }
    static_assert(std::numeric_limits<long double>::digits > 53, "a tie needs 54 bits");
    for (int i = 0; i < 20'000; ++i) {
        const double low = std::bit_cast<double>(random() >> 1),
                     high = std::nextafter(low, HUGE_VAL);
        if (!std::isfinite(high))
            continue;
        char exact[900]; // printf writes the tie exactly, with the locale's comma
        std::string tie(exact, static_cast<std::size_t>(std::snprintf(
                                       exact, sizeof exact, "%.780Le", (0.0L + low + high) / 2)));
        tie[1] = '.';
        expectSameRead(tie);
        expectSameRead(tie.insert(tie.find('e'), "1"));
    }
}

} // namespace

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
#include <utility>

namespace {

namespace lf = platform::locale_free;

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

    // Reads `text` both ways into values that start as the same odd value.
    static void expectSameRead(const std::string &text)
    {
        double expected = 12345.678, actual = 12345.678;
        const auto *end = text.data() + text.size();
        const auto want = std::from_chars(text.data(), end, expected);
        const auto got = lf::fromChars(text.data(), end, actual);
        EXPECT_EQ(got.ptr - text.data(), want.ptr - text.data()) << '"' << text << '"';
        EXPECT_EQ(got.ec, want.ec) << '"' << text << '"';
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
                << '"' << text << '"';
    }

    // Writes `value` both ways: shortest, and each format and precision the program uses.
    static void expectSameText(double value)
    {
        char want[400], got[400];
        const auto shortest = std::to_chars(want, want + sizeof want, value).ptr;
        EXPECT_EQ(std::string(got, lf::toChars(got, got + sizeof got, value).ptr),
                  std::string(want, shortest));
        for (auto [format, precision] : {std::pair{std::chars_format::scientific, 14},
                                         std::pair{std::chars_format::fixed, 3}}) {
            const auto w = std::to_chars(want, want + sizeof want, value, format, precision).ptr;
            const auto g = lf::toChars(got, got + sizeof got, value, format, precision).ptr;
            EXPECT_EQ(std::string(got, g), std::string(want, w));
        }
        expectSameRead(std::string(want, shortest));
    }

private:
    std::string m_saved = std::setlocale(LC_ALL, nullptr);
};

TEST_F(LocaleFreeChars, EdgeTextsReadAsTheStandardLibraryReadsThem)
{
    for (const char *text : {"0",
                             "-0",
                             "0.0e0",
                             "10",
                             "1e22",
                             "1e23",
                             "0.1",
                             "1.",
                             ".5",
                             ".",
                             "",
                             "-",
                             "+1",
                             " 1",
                             "1,5",
                             "1e",
                             "1e+",
                             "1e+5x",
                             "0x1p3",
                             "00012.5000e-0003",
                             "5e-324",
                             "-5e-324",
                             "4.9406564584124654e-324",
                             "2.4703282292062327e-324",
                             "2.4703282292062328e-324",
                             "2.2250738585072011e-308",
                             "2.2250738585072012e-308",
                             "1e-400",
                             "-1e-400",
                             "1e308",
                             "1.7976931348623157e308",
                             "1.7976931348623158e308",
                             "1.7976931348623159e308",
                             "1e309",
                             "9007199254740993",
                             "9007199254740993.0000000000000000000001",
                             "0.5000000000000000555",
                             "inf",
                             "-Infinity",
                             "infinit",
                             "nan",
                             "-NaN",
                             "nan(x)",
                             "nan(",
                             "1e99999999999999999999"})
        expectSameRead(text);
}

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

// Random decimal texts, and the exact halfway point between two neighbouring doubles with a digit
// beyond it: rounding to even, and rounding up once past the tie.
TEST_F(LocaleFreeChars, DecimalTextsAndTiesReadAsTheStandardLibraryReadsThem)
{
    std::mt19937_64 random(1209);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = std::to_string(random() % 100'000'000'000'000'000ULL);
        text.insert(random() % (text.size() + 1), ".");
        expectSameRead(text + "e" + std::to_string(static_cast<int>(random() % 700) - 350));
    }
    static_assert(std::numeric_limits<long double>::digits > 53, "a tie needs 54 bits");
    for (int i = 0; i < 20'000; ++i) {
        const double low = std::fabs(std::bit_cast<double>((random() >> 1) | 1));
        if (!std::isfinite(std::nextafter(low, INFINITY)))
            continue;
        const long double tie = (static_cast<long double>(low) + std::nextafter(low, INFINITY)) / 2;
        char exact[900];
        const int length = std::snprintf(exact, sizeof exact, "%.780Le", tie);
        std::string text(exact, static_cast<std::size_t>(length));
        for (auto &c : text)
            c = c == ',' ? '.' : c; // printf follows the locale
        expectSameRead(text);
        expectSameRead(text.insert(text.find('e'), "1"));
    }
}

} // namespace

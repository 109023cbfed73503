// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

using adjustment::fixed3Text;
using adjustment::generalText;
using adjustment::readNumber;
using adjustment::roundHalfEven;

namespace {

struct ReadCase
{
    const char *name;
    std::string text;
    std::optional<double> expected;
};

class ReadNumber : public testing::TestWithParam<ReadCase>
{};

TEST_P(ReadNumber, ReadsExactlyTheAcceptedForms)
{
    const auto &c = GetParam();
    const auto value = readNumber(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << "text: " << c.text;
    if (value) {
        EXPECT_EQ(*value, *c.expected) << "text: " << c.text;
    }
}

const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> none()
{
    return std::nullopt;
}

INSTANTIATE_TEST_SUITE_P(
        Forms, ReadNumber,
        testing::Values(
                ReadCase{"Whole", "1", 1.0}, ReadCase{"TrailingZeros", "12.50", 12.5},
                ReadCase{"Negative", "-0.750", -0.75}, ReadCase{"Plus", "+3", 3.0},
                ReadCase{"LeadingPoint", ".5", 0.5}, ReadCase{"TrailingPoint", "5.", 5.0},
                ReadCase{"Exponent", "1e3", 1000.0}, ReadCase{"NegativeExponent", "1E-2", 0.01},
                ReadCase{"SignedExponent", "2.5e+1", 25.0},
                ReadCase{"BlanksAround", "  10.000 \t", 10.0},
                ReadCase{"IdeographicBlanks",
                         "\u3000"
                         "7\u3000",
                         7.0},
                ReadCase{"FullWidthDigits", "\uFF11\uFF12\uFF0E\uFF15", 12.5},
                ReadCase{"IdeographicFullStop", "\uFF11\uFF10\u3002\uFF15", 10.5},
                ReadCase{"FullWidthMinus", "\uFF0D\uFF13", -3.0},
                ReadCase{"FullWidthPlus", "\uFF0B\uFF13", 3.0},
                ReadCase{"MixedWidths", "1\uFF10.5", 10.5}, ReadCase{"Zero", "0", 0.0},
                ReadCase{"ZeroPointZero", " 0.0 ", 0.0},
                ReadCase{"TooSmallReadsAsZero", "1e-400", 0.0},
                ReadCase{"Subnormal", "1e-310", 1e-310},
                ReadCase{"LongDigits", std::string(400, '1') + "e-400", 1.1111111111111111e-1},
                ReadCase{"Empty", "", none()}, ReadCase{"BlanksOnly", "   ", none()},
                ReadCase{"Letters", "abc", none()}, ReadCase{"TrailingText", "1a", none()},
                ReadCase{"Infinity", "inf", none()}, ReadCase{"NotANumber", "nan", none()},
                ReadCase{"Hex", "0x10", none()}, ReadCase{"TooLarge", "1e309", none()},
                ReadCase{"HugeExponent", "1e99999999999999999999", none()},
                ReadCase{"BareExponent", "1e", none()}, ReadCase{"SignOnly", "-", none()},
                ReadCase{"PointOnly", ".", none()}, ReadCase{"TwoPoints", "1..2", none()},
                ReadCase{"InnerBlank", "1 2", none()}, ReadCase{"TwoSigns", "--1", none()},
                ReadCase{"CommaDecimal", "1,5", none()}, ReadCase{"ExponentOnly", "e5", none()},
                ReadCase{"FullWidthComma", "1\uFF0C5", none()},
                ReadCase{"LoneLeadByte", "1\xEF", none()},
                ReadCase{"NulInside", std::string("1\0", 2), none()}),
        RowName());

struct TextCase
{
    const char *name;
    double value;
    std::string expected;
};

class GeneralText : public testing::TestWithParam<TextCase>
{};

TEST_P(GeneralText, WritesPlainDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(generalText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
        Values, GeneralText,
        testing::Values(TextCase{"Fraction", 12.5, "12.5"}, TextCase{"Tenth", 0.3, "0.3"},
                        TextCase{"NegativeWhole", -4, "-4"},
                        TextCase{"Thousandths", 101.234, "101.234"}, TextCase{"Zero", 0.0, "0"},
                        TextCase{"NegativeZero", -0.0, "0"},
                        TextCase{"SumWithBinaryError", 0.1 + 0.2, "0.3"},
                        TextCase{"FifteenDigits", 123456789012.345, "123456789012.345"},
                        TextCase{"SmallestPlain", 1e-5, "0.00001"},
                        TextCase{"BelowPlain", 1.5e-6, "1.5E-06"},
                        TextCase{"LargestPlain", 999999999999999.0, "999999999999999"},
                        TextCase{"RoundsUpToExponent", 999999999999999.9, "1E+15"},
                        TextCase{"Large", -1.5e20, "-1.5E+20"},
                        TextCase{"Huge", 1.7e308, "1.7E+308"},
                        TextCase{"Infinite", std::numeric_limits<double>::infinity(), "inf"},
                        TextCase{"NegInfinite", -std::numeric_limits<double>::infinity(), "-inf"},
                        TextCase{"NotANumber", kNone, "nan"}),
        RowName());

class Fixed3Text : public testing::TestWithParam<TextCase>
{};

TEST_P(Fixed3Text, WritesExactlyThreeDecimals)
{
    EXPECT_EQ(fixed3Text(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
        Values, Fixed3Text,
        testing::Values(TextCase{"Whole", 100, "100.000"},
                        TextCase{"SmallNegative", -0.0123, "-0.012"},
                        TextCase{"Half", 10.5, "10.500"}, TextCase{"Zero", 0, "0.000"},
                        TextCase{"NegativeRoundsToZero", -0.0004, "0.000"},
                        TextCase{"NegativeZero", -0.0, "0.000"},
                        TextCase{"ClosureNegative", -0.012, "-0.012"},
                        TextCase{"Huge", 0x1p100, "1267650600228229401496703205376.000"},
                        TextCase{"NotANumber", kNone, "nan"}),
        RowName());

struct RoundCase
{
    const char *name;
    double value;
    int decimals;
    double expected;
};

class RoundHalfEven : public testing::TestWithParam<RoundCase>
{};

TEST_P(RoundHalfEven, SendsTiesToTheEvenNeighbour)
{
    const auto &c = GetParam();
    EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEven,
                         testing::Values(RoundCase{"TieDown", 0.125, 2, 0.12},
                                         RoundCase{"TieUp", 0.375, 2, 0.38},
                                         RoundCase{"TieDownThree", 1.0625, 3, 1.062},
                                         RoundCase{"TieUpThree", 1.1875, 3, 1.188},
                                         RoundCase{"AboveHalf", 10.19751, 3, 10.198},
                                         RoundCase{"BelowHalf", 12.30049, 3, 12.3},
                                         RoundCase{"NegativeTie", -0.125, 2, -0.12},
                                         RoundCase{"NegativeToZero", -0.0004, 3, 0.0},
                                         RoundCase{"Whole", 7, 0, 7},
                                         RoundCase{"WholeTie", 2.5, 0, 2},
                                         RoundCase{"TooLargeUnchanged", 1e300, 3, 1e300}),
                         RowName());

TEST(RoundHalfEven, NegativeValueRoundingToZeroHasNoSign)
{
    EXPECT_FALSE(std::signbit(roundHalfEven(-0.0004, 3)));
}

TEST(RoundHalfEven, LeavesNonFiniteValuesAlone)
{
    EXPECT_TRUE(std::isnan(roundHalfEven(kNone, 3)));
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity(), 2),
              std::numeric_limits<double>::infinity());
}

// QApplication sets the process locale from the environment; a comma-decimal locale must not
// change how numbers are read or written.
TEST(Numbers, IgnoreACommaDecimalLocale)
{
    // Puts the process locale back however the test ends.
    struct RestoredLocale
    {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~RestoredLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    } restored;
    // German as glibc names it, then as the Windows C runtime does.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German_Germany.1252"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (the install script generates it)";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(readNumber("12.5"), 12.5);
    EXPECT_FALSE(readNumber("12,5").has_value());
    EXPECT_EQ(generalText(12.5), "12.5");
    EXPECT_EQ(generalText(-1.5e20), "-1.5E+20");
    EXPECT_EQ(fixed3Text(10.197), "10.197");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading and writing numbers, independent of the process locale: "." is always the decimal
// separator, whatever QApplication or the environment set.

#include <optional>
#include <string>
#include <string_view>

namespace adjustment {

// Reads a reply as a number: blanks around it (including the ideographic blank) are ignored;
// an optional sign, digits, "." and an optional exponent. Full-width digits, signs, "．" and
// "。" read as their ASCII counterparts. Anything else, and a value too large for a double,
// is not a number. A value too small for a double reads as zero.
std::optional<double> readNumber(std::string_view text);

// True when the text reads as the number zero.
bool readsAsZero(std::string_view text);

// General number text for a field: plain decimal from 1e-5 up to 1e15, at most 15 significant
// digits, no trailing zeros; exponent form ("1.5E+20") outside that range; negative zero is "0";
// non-finite values are "inf", "-inf", "nan". With `powerOfTen`, the text of
// value × 10^powerOfTen, scaled on the decimal digits so that it cannot overflow.
std::string generalText(double value, int powerOfTen = 0);

// The value times 10^decimals, rounded to a whole number with ties to the even neighbour,
// divided by 10^decimals. Values too large to carry that many decimals are returned unchanged.
double roundHalfEven(double value, int decimals);

// Exactly three decimals ("0.000" pattern: 100 → "100.000", -0.0123 → "-0.012") of the value
// rounded half-even to three decimals, so an exact half of the last decimal goes to the even
// neighbour (10.0005 → "10.000", 45.1235 → "45.124"); a value that rounds to zero is "0.000"
// without a sign.
std::string fixed3Text(double value);

} // namespace adjustment

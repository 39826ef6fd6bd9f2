// SPDX-License-Identifier: GPL-3.0-or-later
#include "raises.h"
#include "support/norv_fixture.h"

#include <cmath>
#include <limits>

namespace norv::test {
namespace {

class NumberTextIn : public ::testing::TestWithParam<NumberLocale> {
protected:
    Numbers numbers{GetParam()};
};

struct Written {
    double value;
    const char* text; // point notation
};

TEST_P(NumberTextIn, WritesTheShortestFormOfFifteenDigits)
{
    const Written rows[] = {
        {720, "720"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {-0.0, "0"},
        {29.97, "29.97"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        // Exact binary values that end in a 5 past the fifteenth digit: halves to even.
        {1165.169677734375, "1165.16967773438"},
        {2.384185791015625e-07, "2.38418579101562E-07"},
        {100000000000002.5, "100000000000002"},
        {100000000000003.5, "100000000000004"},
        {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-1.5e20, "-1.5E+20"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1e100, "1E+100"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {9.999999999999999e-5, "0.0001"},
        {1e-5, "1E-05"},
        {1.5e-5, "1.5E-05"},
        {-1e-300, "-1E-300"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const Written& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(numbers.NumberText(row.value), inLocale(row.text, GetParam()));
    }
}

TEST_P(NumberTextIn, NoTextForInfinityOrNotANumber)
{
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(raised([&] { numbers.NumberText(v); }), RunTimeError::Overflow) << v;
}

// What Norv writes it must read back: strictly, and as a leading number.
TEST_P(NumberTextIn, ReadsBackWhatItWrites)
{
    const double values[] = {0, 1, -1, 0.5, 29.97, 23.976, -0.571428571428571, 1.0 / 3.0,
                             1165.169677734375, 123456.789, 2147483647.5, 4294967295,
                             1e15, 1.5e20, -1e-5, 1.5e-7, 1e308, 5e-324};
    for (double v : values) {
        const std::string text = numbers.NumberText(v);
        SCOPED_TRACE(text);
        const double strict = numbers.LocaleNumber(text);
        EXPECT_EQ(numbers.LeadingNumber(text), strict);
        EXPECT_EQ(numbers.NumberText(strict), text);
        EXPECT_LE(std::abs(strict - v), 5e-15 * std::abs(v));
    }
}

NORV_BOTH_LOCALES(NumberTextIn);

} // namespace
} // namespace norv::test

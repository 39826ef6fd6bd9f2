// SPDX-License-Identifier: GPL-3.0-or-later
#include "raises.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace norv::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kLongMax = 2147483647;
constexpr std::int32_t kLongMin = -2147483647 - 1;

struct Whole {
    double value;
    std::int32_t expected;
};

TEST(ToLong, HalvesGoToTheEvenNeighbourAndOutOfRangeRaises)
{
    const Whole rows[] = {{2.5, 2},         {3.5, 4},          {-2.5, -2},
                          {-3.5, -4},       {0.5, 0},          {-0.5, 0},
                          {1.4999999, 1},   {1.5000001, 2},    {2147483647.4, kLongMax},
                          {-2147483648.5, kLongMin}};
    for (const Whole& row : rows)
        EXPECT_EQ(ToLong(row.value), row.expected) << row.value;
    for (double v : {2147483647.5, 2147483648.0, -2147483648.6, 1e20, kInf, -kInf, kNaN})
        EXPECT_EQ(raised([&] { ToLong(v); }), RunTimeError::Overflow) << v;
}

TEST(ClampToLong, HoldsAtTheEndsOfTheRange)
{
    const Whole rows[] = {{2.5, 2},           {-3.5, -4},         {1e20, kLongMax},
                          {-1e20, kLongMin},  {kInf, kLongMax},   {-kInf, kLongMin},
                          {2147483647.5, kLongMax}, {-2147483648.5, kLongMin}};
    for (const Whole& row : rows)
        EXPECT_EQ(ClampToLong(row.value), row.expected) << row.value;
    EXPECT_EQ(raised([] { ClampToLong(kNaN); }), RunTimeError::Overflow);
}

TEST(ToInt64, CoversTheSixtyFourBitRange)
{
    EXPECT_EQ(ToInt64(2.5), 2);
    EXPECT_EQ(ToInt64(-3.5), -4);
    EXPECT_EQ(ToInt64(9223372036854774784.0), INT64_C(9223372036854774784)); // last double below 2^63
    EXPECT_EQ(ToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
    for (double v : {9223372036854775808.0, 1e19, -1e19, kInf, kNaN})
        EXPECT_EQ(raised([&] { ToInt64(v); }), RunTimeError::Overflow) << v;
}

TEST(RoundHalfEven, RoundsTheExactValueToDecimals)
{
    const struct {
        double value;
        int decimals;
        double expected;
    } rows[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-4.0 / 7.0, 2, -0.57}, {2.5, 0, 2}, {3.5, 0, 4},
        {-2.5, 0, -2}, {1234.5678, 2, 1234.57}, {-0.004, 2, 0}, {1e300, 2, 1e300},
        // These doubles lie just below the half.
        {2.675, 2, 2.67}, {1.005, 2, 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected)
            << row.value << " to " << row.decimals;
    EXPECT_EQ(raised([] { RoundHalfEven(kInf, 2); }), RunTimeError::Overflow);
    EXPECT_EQ(Floor(-2.5), -3);
    EXPECT_EQ(Floor(-0.1), -1);
    EXPECT_EQ(Floor(2.5), 2);
}

TEST(IntDiv, RoundsTheOperandsThenTruncatesTowardZero)
{
    const struct {
        double dividend, divisor;
        std::int32_t quotient;
        int error;
    } rows[] = {
        {2000, 16, 125, 0}, {2000, 2.5, 1000, 0}, {-7, 2, -3, 0}, {7, -2, -3, 0},
        {-7, -2, 3, 0}, {7.5, 2, 4, 0}, {6.5, 2, 3, 0}, {1, 3, 0, 0}, {kLongMin, 1, kLongMin, 0},
        {2000, 0.3, 0, RunTimeError::DivisionByZero}, {1, 0.5, 0, RunTimeError::DivisionByZero},
        {kLongMin, -1, 0, RunTimeError::Overflow}, {3e9, 1, 0, RunTimeError::Overflow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.dividend) + " \\ " + std::to_string(row.divisor));
        std::int32_t quotient = 0;
        EXPECT_EQ(raised([&] { quotient = IntDiv(row.dividend, row.divisor); }), row.error);
        EXPECT_EQ(quotient, row.quotient);
    }
}

TEST(Real, DivisionByZeroAndNonFiniteResultsRaise)
{
    const Real zero = 0.0, one = 1.0, huge = 1e308;
    EXPECT_EQ(raised([&] { (void)(one / zero); }), RunTimeError::DivisionByZero);
    EXPECT_EQ(raised([&] { (void)(zero / zero); }), RunTimeError::DivisionByZero);
    EXPECT_EQ(raised([&] { (void)(one / Real(-0.0)); }), RunTimeError::DivisionByZero);
    EXPECT_EQ(raised([&] { (void)(huge * Real(10)); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(huge + huge); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(-huge - huge); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(huge / Real(1e-10)); }), RunTimeError::Overflow);
    // Underflow is no error: the result is simply 0.
    EXPECT_EQ((Real(1e-300) * Real(1e-300)).value(), 0.0);
    EXPECT_LT(Real(1), Real(2));
    EXPECT_GE(Real(2), 2.0);
    EXPECT_NE(Real(0.1) + Real(0.2), Real(0.3)); // each step rounded to double
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Whole numbers, rounding and the checked double arithmetic.
#include "common/numbers.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

namespace norv::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kLongMax = 2147483647;
constexpr std::int32_t kLongMin = -2147483647 - 1;

TEST(Rounding, HalvesGoToTheEvenNeighbourWithinTheRange)
{
    const std::pair<double, std::int32_t> rows[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.5, 0}, {2147483647.4, kLongMax}, {-2147483648.5, kLongMin}};
    for (const auto& [value, whole] : rows) {
        EXPECT_EQ(ToLong(value), whole) << value;
        EXPECT_EQ(ClampToLong(value), whole) << value;
    }
    // Beyond the range ToLong raises and ClampToLong holds at the end.
    for (double v : {2147483647.5, -2147483648.6, kInf, -kInf}) {
        EXPECT_EQ(raised([&] { ToLong(v); }), RunTimeError::Overflow) << v;
        EXPECT_EQ(ClampToLong(v), v > 0 ? kLongMax : kLongMin) << v;
    }
    EXPECT_EQ(raised([] { ClampToLong(kNaN); }), RunTimeError::Overflow);
    // 64 bits: the least number, and 2^63 just beyond the greatest.
    EXPECT_EQ(ToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(raised([] { ToInt64(9223372036854775808.0); }), RunTimeError::Overflow);

    // RoundHalfEven: value, decimals, expected; 2.675 as a double lies just below the half
    const std::tuple<double, int, double> decimals[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-4.0 / 7.0, 2, -0.57}, {1e300, 2, 1e300}, {2.675, 2, 2.67}};
    for (const auto& [value, places, expected] : decimals)
        EXPECT_EQ(RoundHalfEven(value, places), expected) << value;
    EXPECT_EQ(raised([] { RoundHalfEven(kInf, 2); }), RunTimeError::Overflow);
    EXPECT_EQ(Floor(-2.5), -3);
}

TEST(IntDiv, RoundsTheOperandsThenTruncatesTowardZero)
{
    // dividend, divisor, quotient, error
    const std::tuple<double, double, std::int32_t, int> rows[] = {
        {2000, 2.5, 1000, 0}, {-7, 2, -3, 0}, {7.5, 2, 4, 0}, {kLongMin, 1, kLongMin, 0},
        {2000, 0.3, 0, RunTimeError::DivisionByZero}, {kLongMin, -1, 0, RunTimeError::Overflow},
        {3e9, 1, 0, RunTimeError::Overflow},
    };
    for (const auto& [dividend, divisor, expected, error] : rows) {
        std::int32_t quotient = 0;
        EXPECT_EQ(raised([&] { quotient = IntDiv(dividend, divisor); }), error) << dividend << " \\ " << divisor;
        EXPECT_EQ(quotient, expected) << dividend << " \\ " << divisor;
    }
}

TEST(Real, DivisionByZeroAndNonFiniteResultsRaise)
{
    const Real zero = 0.0, one = 1.0, huge = 1e308;
    EXPECT_EQ(raised([&] { (void)(one / zero); }), RunTimeError::DivisionByZero);
    EXPECT_EQ(raised([&] { (void)(zero / zero); }), RunTimeError::DivisionByZero);
    EXPECT_EQ(raised([&] { (void)(huge + huge); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(-huge - huge); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(huge * huge); }), RunTimeError::Overflow);
    EXPECT_EQ(raised([&] { (void)(huge / Real(1e-10)); }), RunTimeError::Overflow);
    // Underflow is no error: the result is simply 0.
    EXPECT_EQ((Real(1e-300) * Real(1e-300)).value(), 0.0);
}

} // namespace
} // namespace norv::test

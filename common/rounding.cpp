// SPDX-License-Identifier: GPL-3.0-or-later
#include "rounding.h"
#include "run_time_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace norv {

namespace {

// Nearest whole number, halves to the even neighbour, independent of the
// floating-point environment's rounding mode.
double nearestEven(double v)
{
    const double lower = std::floor(v);
    const double diff = v - lower; // exact for doubles
    if (diff > 0.5)
        return lower + 1.0;
    if (diff < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

} // namespace

std::int32_t ToLong(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Overflow);
    const double r = nearestEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw RunTimeError(RunTimeError::Overflow);
    return std::int32_t(r);
}

std::int32_t ClampToLong(double value)
{
    if (std::isnan(value))
        throw RunTimeError(RunTimeError::Overflow);
    const double r = nearestEven(std::clamp(value, -2147483648.0, 2147483647.0));
    return std::int32_t(r);
}

std::int64_t ToInt64(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Overflow);
    const double r = nearestEven(value);
    // 2^63 itself is out of range; every double below it converts exactly.
    if (r < -9223372036854775808.0 || r >= 9223372036854775808.0)
        throw RunTimeError(RunTimeError::Overflow);
    return std::int64_t(r);
}

double RoundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Overflow);
    if (decimals <= 0)
        return nearestEven(value);
    decimals = decimals > 30 ? 30 : decimals; // beyond a double's precision anyway
    // A correctly rounded fixed-point rendering rounds the exact binary value.
    char buf[std::numeric_limits<double>::max_exponent10 + 64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    double out = 0.0;
    std::from_chars(buf, res.ptr, out);
    return out;
}

double Floor(double value) { return std::floor(value); }

std::int32_t IntDiv(double dividend, double divisor)
{
    const std::int64_t a = ToLong(dividend);
    const std::int64_t b = ToLong(divisor);
    if (b == 0)
        throw RunTimeError(RunTimeError::DivisionByZero);
    const std::int64_t q = a / b;
    if (q > 2147483647) // -2147483648 \ -1
        throw RunTimeError(RunTimeError::Overflow);
    return std::int32_t(q);
}

} // namespace norv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading.h"

#include "common/run_time_error.h"

#include <cmath>
#include <limits>

namespace norv::planning {

Result<double> readNumber(std::string_view text, const NumberLocale& locale)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return InputError::Empty;
    try {
        return LocaleNumber(text, locale);
    } catch (const RunTimeError& error) {
        return error.number() == RunTimeError::Overflow ? InputError::TooLarge : InputError::NotANumber;
    }
}

Result<double> readNonNegative(std::string_view text, const NumberLocale& locale)
{
    const Result<double> number = readNumber(text, locale);
    if (number && *number < 0.0)
        return InputError::Negative;
    return number;
}

double wholeDown(double value)
{
    const double nearest = std::round(value);
    const double ulp = std::nextafter(std::fabs(value), std::numeric_limits<double>::infinity()) -
                       std::fabs(value);
    return std::fabs(value - nearest) <= 4 * ulp ? nearest : std::floor(value);
}

} // namespace norv::planning

// SPDX-License-Identifier: GPL-3.0-or-later
#include "second_try.h"

#include "reading.h"

#include <cmath>

namespace norv::planning {

Result<SecondTry> secondTry(std::string_view planned, std::int64_t real, const NumberLocale& locale)
{
    const Result<double> plan = readNumber(planned, locale);
    if (!plan || !(*plan > 0.0))
        return InputError::NoPlannedSize;
    if (real <= 0)
        return InputError::Zero;

    SecondTry attempt;
    attempt.planned = *plan;
    attempt.real = real;
    attempt.difference = double(real) - *plan;
    attempt.percent = attempt.difference / *plan * 100.0;
    const double target = wholeDown(*plan - attempt.difference);
    if (target < 1.0)
        return InputError::TargetNotPositive;
    if (target > kLargestFieldValue)
        return InputError::TooLarge;
    attempt.target = std::int64_t(target);
    return attempt;
}

std::string secondTryText(const SecondTry& attempt, Language language, const NumberLocale& locale)
{
    const auto number = [&](double v) { return NumberText(v, locale); };
    const auto signedNumber = [&](double v) { return (v > 0 ? "+" : "") + number(v); };
    const auto line = [&](Wording w, const std::string& rest) { return words(w, language) + ": " + rest + "\n"; };

    const std::string plan = number(attempt.planned);
    const std::string change = number(std::fabs(attempt.difference));
    return line(Wording::PlannedSize, plan + " bytes") +
           line(Wording::RealSize, number(double(attempt.real)) + " bytes") +
           line(Wording::Difference, number(double(attempt.real)) + " - " + plan + " = " +
                                         signedNumber(attempt.difference) + " bytes (" +
                                         signedNumber(RoundHalfEven(attempt.percent, 2)) + "% " +
                                         words(Wording::OfThePlan, language) + ")") +
           line(Wording::CorrectedTarget, plan + (attempt.difference > 0 ? " - " : " + ") + change +
                                              " = " + number(double(attempt.target)) + " bytes");
}

} // namespace norv::planning

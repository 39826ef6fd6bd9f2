// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_rates.h"

namespace norv::planning {

std::string frameRateText(FrameRate rate, const NumberLocale& locale)
{
    return NumberText(rate.value(), locale);
}

std::string frameRateLabel(FrameRate rate, const NumberLocale& locale)
{
    if (rate.denominator == 1)
        return std::to_string(rate.numerator);
    // Three decimals, as the rates are known by: 23.976, 29.97, 59.94.
    const std::string shown = NumberText(RoundHalfEven(rate.value(), 3), locale);
    return shown + " (" + std::to_string(rate.numerator) + "/" + std::to_string(rate.denominator) + ")";
}

std::vector<std::string> frameRateLabels(const NumberLocale& locale)
{
    std::vector<std::string> labels;
    for (const FrameRate rate : kFrameRates)
        labels.push_back(frameRateLabel(rate, locale));
    return labels;
}

} // namespace norv::planning

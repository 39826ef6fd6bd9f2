// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"

#include <array>
#include <string>
#include <vector>

namespace norv::planning {

// The common frame rates as exact fractions. The fractional ones are the
// NTSC rates, 1000/1001 of the whole rate above them.
struct FrameRate {
    int numerator;
    int denominator;

    double value() const { return double(numerator) / double(denominator); }
};

inline constexpr std::array<FrameRate, 8> kFrameRates = {{
    {24000, 1001}, {24, 1}, {25, 1}, {30000, 1001}, {30, 1}, {50, 1}, {60000, 1001}, {60, 1},
}};

// The text to write into `framerate` in one edit: the quotient as Norv writes
// numbers (15 significant digits, the user's decimal separator).
std::string frameRateText(FrameRate rate, const NumberLocale& locale);

// The menu entry: "25", or "23.976 (24000/1001)" in the user's notation.
std::string frameRateLabel(FrameRate rate, const NumberLocale& locale);
// Those of kFrameRates, in its order.
std::vector<std::string> frameRateLabels(const NumberLocale& locale);

} // namespace norv::planning

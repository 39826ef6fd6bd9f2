// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include "common/numbers.h"

#include <string_view>

namespace norv::planning {

// The whole text as a number in the user's notation (LocaleNumber's rules):
// Empty for blanks only, NotANumber for anything else it cannot read,
// TooLarge beyond the double range.
Result<double> readNumber(std::string_view text, const NumberLocale& locale);

// The same, refusing a number below 0 as Negative: sizes, clock parts, frames.
Result<double> readNonNegative(std::string_view text, const NumberLocale& locale);

// A product of decimals that the user meant whole (0.3 kB, 4.35 GB) can land
// a few units of the last place below it in binary; it counts as that whole
// number. Otherwise the fraction is dropped: a target must not be exceeded.
double wholeDown(double value);

} // namespace norv::planning

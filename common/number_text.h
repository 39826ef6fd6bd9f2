// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_locale.h"

#include <string>

namespace norv {

// The shortest text with at most 15 significant digits (rounded half to
// even), in exponent form (1E+15, 1E-05) from exponent 15 up and below -4;
// no plus sign, no group separators, never "-0". Infinity raises Overflow.
std::string NumberText(double value, const NumberLocale& locale);

} // namespace norv

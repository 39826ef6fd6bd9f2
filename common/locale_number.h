// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_locale.h"

#include <string_view>

namespace norv {

// Strict reading of the whole text in the locale: blanks around it, a sign,
// digits with group separators only between groups of three, the decimal
// separator, an exponent. Anything else raises TypeMismatch.
double LocaleNumber(std::string_view text, const NumberLocale& locale);

} // namespace norv

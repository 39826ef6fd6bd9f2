// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace norv {

// The value of the leading number of a text; 0 when there is none. Blanks,
// tabs and line feeds are skipped wherever they stand; "&H" and "&O" start a
// hexadecimal or octal whole number. The point is the decimal separator, and
// so is altDecimal when given (the first of the two that comes). A number
// beyond the double range raises Overflow. It never reads the C locale.
double LeadingNumber(std::string_view text, std::string_view altDecimal = {});

} // namespace norv

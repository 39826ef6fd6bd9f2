// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "real.h"

#include <cstdint>

namespace norv {

// Roundings to whole numbers, independent of the floating-point rounding mode.

// The nearest signed 32-bit whole number, halves to even; Overflow outside.
std::int32_t ToLong(double value);
// The nearest signed 32-bit whole number, halves to even, held at the ends
// of the range where the value lies beyond them.
std::int32_t ClampToLong(double value);
// The nearest signed 64-bit whole number, halves to even; Overflow outside.
std::int64_t ToInt64(double value);

// Rounded to n decimals, halves to even on the exact value of the double.
double RoundHalfEven(double value, int decimals = 0);

double Floor(double value);

// The integer division "\": both operands to 32-bit whole numbers (halves to
// even), quotient truncated toward zero; a divisor of 0 raises DivisionByZero.
std::int32_t IntDiv(double dividend, double divisor);

// The same, for checked values inside formulas.
inline std::int32_t ToLong(Real value) { return ToLong(value.value()); }
inline Real RoundHalfEven(Real value, int decimals = 0) { return RoundHalfEven(value.value(), decimals); }
inline Real Floor(Real value) { return Floor(value.value()); }

} // namespace norv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "real.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norv {

// The user's number notation: read once from the desktop and handed to the
// models, so the logic never depends on the C library's locale.
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";

    static NumberLocale point() { return {".", ","}; }
    static NumberLocale comma() { return {",", "."}; }
};

// Conversions between texts and numbers. None of them reads the C locale.

// The value of the leading number of a text; 0 when there is none. Blanks,
// tabs and line feeds are skipped wherever they stand; "&H" and "&O" start a
// hexadecimal or octal whole number. The point is the decimal separator, and
// so is altDecimal when given (the first of the two that comes). A number
// beyond the double range raises Overflow.
double LeadingNumber(std::string_view text, std::string_view altDecimal = {});

// Strict reading of the whole text in the locale: blanks around it, a sign,
// digits with group separators only between groups of three, the decimal
// separator, an exponent. Anything else raises TypeMismatch.
double LocaleNumber(std::string_view text, const NumberLocale& locale);

// The shortest text with at most 15 significant digits (rounded half to
// even), in exponent form (1E+15, 1E-05) from exponent 15 up and below -4;
// no plus sign, no group separators, never "-0".
std::string NumberText(double value, const NumberLocale& locale);

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

// The conversions bound to one locale, as the windows use them.
class Numbers {
public:
    explicit Numbers(NumberLocale locale = {}) : m_locale(std::move(locale)) {}

    const NumberLocale& locale() const { return m_locale; }

    // Reads the texts Norv writes itself: the locale's decimal separator is
    // accepted as well as the point, so a fraction written reads back whole.
    double LeadingNumber(std::string_view text) const
    {
        return norv::LeadingNumber(text, m_locale.decimal == "." ? std::string_view() : m_locale.decimal);
    }
    double LocaleNumber(std::string_view text) const { return norv::LocaleNumber(text, m_locale); }
    std::string NumberText(double value) const { return norv::NumberText(value, m_locale); }
    std::int32_t ToLong(std::string_view text) const { return norv::ToLong(LocaleNumber(text)); }

private:
    NumberLocale m_locale;
};

} // namespace norv

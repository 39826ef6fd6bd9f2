// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "leading_number.h"
#include "locale_number.h"
#include "number_locale.h"
#include "number_text.h"
#include "real.h"
#include "rounding.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norv {

// The conversions between texts and numbers bound to the user's notation,
// as the windows use them.
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

// The same conversions for the rules that read and write field texts: a
// window or a part of one reads numbers as `LocaleNumber(fwidth.text())`.
class FieldNumbers {
public:
    explicit FieldNumbers(const Numbers& numbers) : m_numbers(numbers) {}

protected:
    double LeadingNumber(std::string_view text) const { return m_numbers.LeadingNumber(text); }
    double LocaleNumber(std::string_view text) const { return m_numbers.LocaleNumber(text); }
    std::string NumberText(Real value) const { return m_numbers.NumberText(value.value()); }

private:
    const Numbers& m_numbers;
};

} // namespace norv

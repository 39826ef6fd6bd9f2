// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace norv {

// Collects the parts of a decimal number as it is read and turns them into a
// double at the end: correctly rounded, Overflow beyond the double range, 0
// below it. Work stays linear in the length of the text, however long.
class DecimalScan {
public:
    bool negative = false;
    bool exponentNegative = false;

    void addDigit(char c, bool fraction);
    void addExponentDigit(char c);
    bool hasDigits() const { return m_anyDigit; }
    double value() const;

private:
    static constexpr std::size_t kMaxDigits = 800; // beyond any double's rounding
    std::string m_digits;      // significant digits, no leading zeros
    std::int64_t m_scale = 0;  // value = digits x 10^(scale + exponent)
    std::int64_t m_exponent = 0;
    bool m_anyDigit = false;
    bool m_truncated = false;
};

} // namespace norv

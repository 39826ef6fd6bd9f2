// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_scan.h"
#include "run_time_error.h"

#include <charconv>
#include <system_error>

namespace norv {

namespace {
constexpr std::int64_t kExponentCap = 1'000'000'000'000LL; // far beyond any double
}

void DecimalScan::addDigit(char c, bool fraction)
{
    m_anyDigit = true;
    const bool leadingZero = c == '0' && m_digits.empty();
    if (leadingZero) {
        if (fraction)
            --m_scale;
        return;
    }
    if (m_digits.size() < kMaxDigits) {
        m_digits.push_back(c);
        if (fraction)
            --m_scale;
        return;
    }
    // Digits past the cap change no rounding; remember only that they exist.
    m_truncated = m_truncated || c != '0';
    if (!fraction)
        ++m_scale;
}

void DecimalScan::addExponentDigit(char c)
{
    if (m_exponent < kExponentCap)
        m_exponent = m_exponent * 10 + (c - '0');
}

double DecimalScan::value() const
{
    const double zero = negative ? -0.0 : 0.0;
    if (m_digits.empty())
        return zero;
    const std::int64_t exponent = m_scale + (exponentNegative ? -m_exponent : m_exponent);
    const std::int64_t magnitude = std::int64_t(m_digits.size()) - 1 + exponent;
    if (magnitude > 400)
        throw RunTimeError(RunTimeError::Overflow);
    if (magnitude < -400)
        return zero;

    std::string text = m_digits;
    std::int64_t e = exponent;
    if (m_truncated) { // a sticky digit keeps a tail above a tie from rounding as a tie
        text.push_back('1');
        --e;
    }
    text += 'e';
    text += std::to_string(e);
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            throw RunTimeError(RunTimeError::Overflow);
        return zero;
    }
    return negative ? -v : v;
}

} // namespace norv

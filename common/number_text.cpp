// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"
#include "run_time_error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace norv {

namespace {

// A number as a sign, its significant digits (15 at most, rounded half to
// even on the exact binary value, no trailing zeros) and a decimal exponent.
struct Digits {
    bool negative;
    std::string digits;
    int exponent;
};

Digits significantDigits(double value)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, std::size_t(res.ptr - buf)); // "-d.dddddddddddddde+XX"
    const bool negative = sci.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(mantissaStart, ePos - mantissaStart))
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {negative, std::move(digits), std::atoi(std::string(sci.substr(ePos + 1)).c_str())};
}

std::string exponentForm(const Digits& d, const std::string& decimal)
{
    std::string out(1, d.digits.front());
    if (d.digits.size() > 1)
        out += decimal + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        out += '0';
    return out + std::to_string(magnitude);
}

std::string positionalForm(const Digits& d, const std::string& decimal)
{
    if (d.exponent < 0)
        return "0" + decimal + std::string(std::size_t(-d.exponent - 1), '0') + d.digits;
    const std::size_t whole = std::size_t(d.exponent) + 1;
    if (d.digits.size() <= whole)
        return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + decimal + d.digits.substr(whole);
}

} // namespace

std::string NumberText(double value, const NumberLocale& locale)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Overflow);
    if (value == 0.0)
        return "0"; // also for -0
    const Digits d = significantDigits(value);
    const bool exponent = d.exponent >= 15 || d.exponent < -4;
    return (d.negative ? "-" : "") +
           (exponent ? exponentForm(d, locale.decimal) : positionalForm(d, locale.decimal));
}

} // namespace norv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"
#include "run_time_error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace norv {

namespace {

// digits: the significant digits, without a point; exponent: of the first.
void appendExponentForm(std::string& out, const std::string& digits, int exponent, const std::string& decimal)
{
    out += digits.front();
    if (digits.size() > 1)
        out += decimal + digits.substr(1);
    const int magnitude = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
}

void appendPositionalForm(std::string& out, const std::string& digits, int exponent, const std::string& decimal)
{
    if (exponent < 0) {
        out += "0" + decimal + std::string(std::size_t(-exponent - 1), '0') + digits;
        return;
    }
    const std::size_t whole = std::size_t(exponent) + 1;
    if (digits.size() <= whole)
        out += digits + std::string(whole - digits.size(), '0');
    else
        out += digits.substr(0, whole) + decimal + digits.substr(whole);
}

} // namespace

std::string NumberText(double value, const NumberLocale& locale)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Overflow);
    if (value == 0.0)
        return "0"; // also for -0

    // 15 significant digits, rounded half to even on the exact binary value.
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
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4)
        appendExponentForm(out, digits, exponent, locale.decimal);
    else
        appendPositionalForm(out, digits, exponent, locale.decimal);
    return out;
}

} // namespace norv

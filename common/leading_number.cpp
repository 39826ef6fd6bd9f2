// SPDX-License-Identifier: GPL-3.0-or-later
#include "leading_number.h"
#include "number_scan.h"
#include "run_time_error.h"

#include <cmath>

namespace norv {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks a text, stepping over the blanks that the leading-number rule ignores.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance(std::size_t n = 1)
    {
        m_pos += n;
        skip();
    }
    bool startsWith(std::string_view s) const
    {
        return !s.empty() && m_text.substr(m_pos, s.size()) == s;
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// "&H1F" and "&O17": whole numbers, read unsigned.
double radixNumber(Cursor& in)
{
    const char kind = in.peek();
    const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (base == 0)
        return 0.0;
    in.advance();
    double value = 0.0;
    for (int d; (d = digitValue(in.peek(), base)) >= 0; in.advance()) {
        value = value * base + d;
        if (std::isinf(value))
            throw RunTimeError(RunTimeError::Overflow);
    }
    return value;
}

// Digits with at most one decimal point: the point, or altDecimal when given.
void readMantissa(Cursor& in, DecimalScan& scan, std::string_view altDecimal)
{
    bool point = false;
    for (;;) {
        const char c = in.peek();
        if (c >= '0' && c <= '9') {
            scan.addDigit(c, point);
            in.advance();
        } else if (!point && c == '.') {
            point = true;
            in.advance();
        } else if (!point && in.startsWith(altDecimal)) {
            point = true;
            in.advance(altDecimal.size());
        } else {
            return;
        }
    }
}

// An optional exponent: the letter E, a sign, digits.
void readExponent(Cursor& in, DecimalScan& scan)
{
    if (in.peek() != 'e' && in.peek() != 'E')
        return;
    in.advance();
    if (in.peek() == '+' || in.peek() == '-') {
        scan.exponentNegative = in.peek() == '-';
        in.advance();
    }
    for (char c; (c = in.peek()) >= '0' && c <= '9'; in.advance())
        scan.addExponentDigit(c);
}

} // namespace

double LeadingNumber(std::string_view text, std::string_view altDecimal)
{
    Cursor in(text);
    if (in.peek() == '&') {
        in.advance();
        return radixNumber(in);
    }

    DecimalScan scan;
    if (in.peek() == '+' || in.peek() == '-') {
        scan.negative = in.peek() == '-';
        in.advance();
    }
    readMantissa(in, scan, altDecimal);
    if (!scan.hasDigits())
        return 0.0;
    readExponent(in, scan);
    return scan.value();
}

} // namespace norv

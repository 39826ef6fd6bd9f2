// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_number.h"
#include "number_scan.h"
#include "run_time_error.h"

namespace norv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void mismatch() { throw RunTimeError(RunTimeError::TypeMismatch); }

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}
    bool atEnd() const { return m_pos == m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance(std::size_t n = 1) { m_pos += n; }
    bool take(std::string_view s)
    {
        if (s.empty() || m_text.substr(m_pos, s.size()) != s)
            return false;
        m_pos += s.size();
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The whole part: plain digits, or digits grouped in threes after a first
// group of one to three ("1.234.567" where the point groups).
void readWholePart(Reader& in, DecimalScan& scan, const std::string& group)
{
    int run = 0;
    bool grouped = false;
    for (;;) {
        if (isDigit(in.peek())) {
            scan.addDigit(in.peek(), false);
            in.advance();
            ++run;
        } else if (run > 0 && in.take(group)) {
            if ((grouped && run != 3) || (!grouped && run > 3))
                mismatch();
            grouped = true;
            run = 0;
            if (!isDigit(in.peek()))
                mismatch();
        } else {
            break;
        }
    }
    if (grouped && run != 3)
        mismatch();
}

} // namespace

double LocaleNumber(std::string_view text, const NumberLocale& locale)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    Reader in(text);
    DecimalScan scan;
    if (in.peek() == '+' || in.peek() == '-') {
        scan.negative = in.peek() == '-';
        in.advance();
    }
    readWholePart(in, scan, locale.group);
    if (in.take(locale.decimal)) {
        for (; isDigit(in.peek()); in.advance())
            scan.addDigit(in.peek(), true);
    }
    if (!scan.hasDigits())
        mismatch();
    if (in.peek() == 'e' || in.peek() == 'E') {
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            scan.exponentNegative = in.peek() == '-';
            in.advance();
        }
        if (!isDigit(in.peek()))
            mismatch();
        for (; isDigit(in.peek()); in.advance())
            scan.addExponentDigit(in.peek());
    }
    if (!in.atEnd())
        mismatch();
    return scan.value();
}

} // namespace norv

// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as texts: the forgiving leading-number reading, the strict reading in
// the user's notation, and the text Norv writes, which must read back.
#include "raises.h"
#include "support/norv_fixture.h"

#include <limits>
#include <tuple>

namespace norv::test {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberAndFailsOnlyBeyondTheDoubleRange)
{
    // text, the caller's other decimal point, value
    const std::tuple<const char*, const char*, double> rows[] = {
        {"", "", 0}, {"12abc", "", 12}, {"1.2.3", "", 1.2}, {"--5", "", 0},
        {"  1 2\t3\n4 ", "", 1234}, {"1\r2", "", 1}, // only blanks, tabs and line feeds skipped
        {"+ 5", "", 5}, {"-.5e1", "", -5}, {"1 E -2", "", 0.01}, {"2.5e", "", 2.5},
        {"1e-400", "", 0}, {"0e99999", "", 0},
        {"9007199254740993", "", 9007199254740992.0}, // a tie goes to the even double
        {"1.7976931348623157e308", "", std::numeric_limits<double>::max()},
        // Whole numbers in other bases, read unsigned.
        {"& h 1F", "", 31}, {"&HFFFFFFFF", "", 4294967295.0}, {"&O17", "", 15}, {"&O8", "", 0},
        // The comma is a decimal point only when the caller says so; the
        // first of the two separators that comes is the one.
        {"1,5", "", 1}, {"1.5,3", ",", 1.5}, {"- 29,97 fps", ",", -29.97},
    };
    for (const auto& [text, alt, value] : rows)
        EXPECT_EQ(LeadingNumber(text, alt), value) << '"' << text << "\" alt \"" << alt << '"';

    // Beyond the double range it raises; long texts read exactly.
    const std::string mega(1 << 20, '0');
    for (const std::string& text :
         {std::string("-1.8e308"), std::string("1e99999999999999999999"), "&H1" + mega, "1" + mega})
        EXPECT_EQ(raised([&] { LeadingNumber(text); }), RunTimeError::Overflow) << text.substr(0, 30);

    EXPECT_EQ(LeadingNumber("0." + std::string(1 << 20, '3')), 1.0 / 3.0);
    EXPECT_EQ(LeadingNumber(mega + "5"), 5);
    // A non-zero digit far past the last that counts still lifts a tie.
    EXPECT_EQ(LeadingNumber("9007199254740993." + mega + "1"), 9007199254740994.0);
}

class NumberTextIn : public ::testing::TestWithParam<NumberLocale> {
protected:
    // Rows are in the point notation; in the comma locale the two separators swap.
    std::string local(std::string text) const
    {
        for (char& c : text)
            if (GetParam().decimal == ",")
                c = c == '.' ? ',' : c == ',' ? '.' : c;
        return text;
    }
    Numbers numbers{GetParam()};
};

TEST_P(NumberTextIn, StrictReadingTakesTheWholeTextOrRaises)
{
    const std::pair<const char*, double> readable[] = {
        {"720", 720},     {"  -1.5  ", -1.5}, {"\t+2\n", 2},        {".5", 0.5},
        {"1,234", 1234},  {"1.234", 1.234},   {"1,234,567.5", 1234567.5},
        {"-1.5E-2", -0.015}, {"1e-999", 0},
    };
    for (const auto& [text, expected] : readable)
        EXPECT_EQ(numbers.LocaleNumber(local(text)), expected) << text;
    // Group separators only between groups of three before the decimal, and
    // nothing but blanks around the number.
    for (const char* text : {"1,5", "1234,567", "1,234,5678", "1,,234", ",123", "1,234.5,6", "",
                             "   ", "-", "- 1", "12abc", "1 2", "&H10", "1e"})
        EXPECT_EQ(raised([&] { numbers.LocaleNumber(local(text)); }), RunTimeError::TypeMismatch)
            << '"' << text << '"';
    EXPECT_EQ(raised([&] { numbers.LocaleNumber("-1e999"); }), RunTimeError::Overflow);
    // ToLong of a text reads it strictly first.
    EXPECT_EQ(numbers.ToLong(local("2.5")), 2);
    EXPECT_EQ(raised([&] { numbers.ToLong(local("1,5")); }), RunTimeError::TypeMismatch);
}

// What Norv writes it must read back to the same text, strictly and as a leading number.
TEST_P(NumberTextIn, WritesTheShortestFormOfFifteenDigitsAndReadsItBack)
{
    using Limits = std::numeric_limits<double>;
    const std::pair<double, const char*> rows[] = {
        {720, "720"}, {-0.5, "-0.5"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {2.0 / 3.0, "0.666666666666667"},
        // An exact binary value that ends in a 5 past the fifteenth digit: halves to even.
        {1165.169677734375, "1165.16967773438"}, {2.384185791015625e-07, "2.38418579101562E-07"},
        {999999999999999, "999999999999999"}, {999999999999999.9, "1E+15"}, {1.5e20, "1.5E+20"},
        {123456789012345678.0, "1.23456789012346E+17"}, {-1e-300, "-1E-300"}, {0.0001, "0.0001"},
        {9.999999999999999e-5, "0.0001"}, {1e-5, "1E-05"}, {Limits::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& [value, text] : rows) {
        const std::string written = numbers.NumberText(value);
        EXPECT_EQ(written, local(text));
        const double strict = numbers.LocaleNumber(written);
        EXPECT_EQ(numbers.LeadingNumber(written), strict) << written;
        EXPECT_EQ(numbers.NumberText(strict), written);
    }
    for (double v : {Limits::infinity(), Limits::quiet_NaN()})
        EXPECT_EQ(raised([&] { numbers.NumberText(v); }), RunTimeError::Overflow) << v;
}

NORV_BOTH_LOCALES(NumberTextIn);

} // namespace
} // namespace norv::test

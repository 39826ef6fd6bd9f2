// SPDX-License-Identifier: GPL-3.0-or-later
#include "raises.h"
#include "support/norv_fixture.h"

#include <cmath>
#include <limits>

namespace norv::test {
namespace {

struct Leading {
    const char* text;
    const char* altDecimal;
    double value;
};

TEST(LeadingNumber, ReadsTheLeadingNumberAndNeverFails)
{
    const Leading rows[] = {
        {"", "", 0},
        {"abc", "", 0},
        {"12abc", "", 12},
        {"  1 2\t3\n4 ", "", 1234},
        {"-5", "", -5},
        {"+ 5", "", 5},
        {"- 2.5", "", -2.5},
        {"--5", "", 0},
        {"-.5e1", "", -5},
        {"1.2.3", "", 1.2},
        {"1e3", "", 1000},
        {"1 E -2", "", 0.01},
        {"2.5e", "", 2.5},
        {"e5", "", 0},
        {"0e99999", "", 0},
        {"1\r2", "", 1}, // only blanks, tabs and line feeds are skipped
        {"9007199254740993", "", 9007199254740992.0}, // a tie goes to the even double
        {"1.7976931348623157e308", "", std::numeric_limits<double>::max()},
        {"1e-400", "", 0},
        {"2e-324", "", 0},
        // Whole numbers in other bases, read unsigned.
        {"&HFFFF", "", 65535},
        {"&hff", "", 255},
        {"& H 1F", "", 31},
        {"&HFFFFFFFF", "", 4294967295.0},
        {"&O17", "", 15},
        {"&O8", "", 0},
        {"&", "", 0},
        // The comma is a decimal point only when the caller says so; the
        // first of the two separators that comes is the one.
        {"1,5", "", 1},
        {"1,5", ",", 1.5},
        {"1,5.3", ",", 1.5},
        {"1.5,3", ",", 1.5},
        {",25", ",", 0.25},
        {"- 29,97 fps", ",", -29.97},
    };
    for (const Leading& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\" alt \"" + row.altDecimal + "\"");
        EXPECT_EQ(LeadingNumber(row.text, row.altDecimal), row.value);
    }
}

TEST(LeadingNumber, BeyondTheDoubleRangeRaisesOverflow)
{
    for (const char* text : {"1e400", "-1e400", "1.8e308", "1e99999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(raised([&] { LeadingNumber(text); }), RunTimeError::Overflow);
    }
    EXPECT_EQ(raised([] { LeadingNumber("&H1" + std::string(300, '0')); }), RunTimeError::Overflow);
}

TEST(LeadingNumber, ReadsAMegabyteOfDigits)
{
    const std::size_t mega = 1 << 20;
    EXPECT_EQ(LeadingNumber("0." + std::string(mega, '3')), 1.0 / 3.0);
    EXPECT_EQ(LeadingNumber(std::string(mega, '0') + "5"), 5);
    EXPECT_EQ(LeadingNumber(std::string(mega, ' ') + "7"), 7);
    EXPECT_EQ(LeadingNumber("0." + std::string(mega, '0') + "1"), 0);
    EXPECT_EQ(raised([&] { LeadingNumber("1" + std::string(mega, '0')); }), RunTimeError::Overflow);
    // A non-zero digit far past the last that counts still lifts a tie.
    EXPECT_EQ(LeadingNumber("9007199254740993." + std::string(mega, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(LocaleNumber("0." + std::string(mega, '3'), NumberLocale::point()), 1.0 / 3.0);
}

// Rows in the point notation; in the comma locale the two separators swap.
struct Strict {
    const char* text;
    double value;
    int error;
};

class LocaleNumberIn : public ::testing::TestWithParam<NumberLocale> {};

TEST_P(LocaleNumberIn, ReadsTheWholeTextOrRaises)
{
    const Strict rows[] = {
        {"720", 720, 0},
        {"  -1.5  ", -1.5, 0},
        {"\t+2\n", 2, 0},
        {"1,234,567.5", 1234567.5, 0},
        {"1,234", 1234, 0},
        {"1.234", 1.234, 0},
        {"1234567", 1234567, 0},
        {".5", 0.5, 0},
        {"1e3", 1000, 0},
        {"-1.5E-2", -0.015, 0},
        {"1.5e+20", 1.5e20, 0},
        {"1e-999", 0, 0},
        {"1,5", 0, RunTimeError::TypeMismatch},
        {"1,23", 0, RunTimeError::TypeMismatch},
        {"1234,567", 0, RunTimeError::TypeMismatch},
        {"1,234,5678", 0, RunTimeError::TypeMismatch},
        {"1,,234", 0, RunTimeError::TypeMismatch},
        {",123", 0, RunTimeError::TypeMismatch},
        {"1,234.5,6", 0, RunTimeError::TypeMismatch},
        {"", 0, RunTimeError::TypeMismatch},
        {"   ", 0, RunTimeError::TypeMismatch},
        {"-", 0, RunTimeError::TypeMismatch},
        {"- 1", 0, RunTimeError::TypeMismatch},
        {"12abc", 0, RunTimeError::TypeMismatch},
        {"1 2", 0, RunTimeError::TypeMismatch},
        {"&H10", 0, RunTimeError::TypeMismatch},
        {"1e", 0, RunTimeError::TypeMismatch},
        {"e5", 0, RunTimeError::TypeMismatch},
        {"1e999", 0, RunTimeError::Overflow},
        {"-1e999", 0, RunTimeError::Overflow},
    };
    for (const Strict& row : rows) {
        const std::string text = inLocale(row.text, GetParam());
        SCOPED_TRACE("\"" + text + "\"");
        double value = 0;
        EXPECT_EQ(raised([&] { value = LocaleNumber(text, GetParam()); }), row.error);
        if (row.error == 0) {
            EXPECT_EQ(value, row.value);
        }
    }
}

NORV_BOTH_LOCALES(LocaleNumberIn);

TEST(LocaleNumber, GroupsOnlyBetweenThreesInTheCommaLocale)
{
    const NumberLocale comma = NumberLocale::comma();
    EXPECT_EQ(LocaleNumber("1.234.567,5", comma), 1234567.5);
    EXPECT_EQ(raised([&] { LocaleNumber("1.85", comma); }), RunTimeError::TypeMismatch);
    EXPECT_EQ(Numbers(comma).ToLong("2,5"), 2);
    EXPECT_EQ(raised([&] { Numbers(comma).ToLong("1.5"); }), RunTimeError::TypeMismatch);
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Number rules met through the widgets: digit groups the locale does not
// write. (The width the quality refresh rounds down to its multiple:
// add_stream_test.cpp.)
#include "widget_harness.h"

namespace norv::test {
namespace {

TEST(NumberRules, DigitGroupsOfTwoAreRefused)
{
    UiNorv norv;
    // Action: a multiple pasted with groups of two digits, as some
    // notations group them (typed, "1," would be refused on its own first).
    // Expected: refused as a type mismatch.
    QString text = QStringLiteral("1G23G456");
    paste(field("xdivisible"), text.replace('G', QLocale::system().groupSeparator()));
    EXPECT_EQ(shownError(), runTimeError("Type mismatch"));
}

} // namespace
} // namespace norv::test

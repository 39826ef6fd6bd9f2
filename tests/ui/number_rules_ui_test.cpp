// SPDX-License-Identifier: GPL-3.0-or-later
// Number rules met through the widgets: digit groups the locale does not
// write, and the width the quality refresh rounds down to its multiple.
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

TEST(NumberRules, TheQualityRefreshRoundsTheWidthDownToItsMultiple)
{
    // State: width multiples of 100, a 4:3 frame, a video stream; a width of
    // 99 typed, which stays as typed while the field has the focus.
    UiNorv norv;
    type("prop1", "*4");
    type("prop2", "*3");
    type("xdivisible", "*100");
    addVideoRow(norv.model(), "1000000");
    type("fwidth", "*99");
    ASSERT_EQ(field("fwidth")->text(), "99");
    ASSERT_NE(field("videoquality")->text(), "0");
    // Action: a stream added, the dialog opened as a screen reader presses
    // the button (the focus stays in the width).
    button("Norv_main", "AddStreamButton")->click();
    ASSERT_TRUE(UiNorv::window("AddStream")->isVisible());
    activate(UiNorv::window("AddStream"));
    press(Qt::Key_Return);
    // Expected: no whole multiple of 100 fits in 99, so there is no figure.
    EXPECT_EQ(field("fwidth")->text(), "99");
    EXPECT_EQ(field("videoquality")->text(), "0");
    EXPECT_EQ(slider("videoqualitys")->value(), slider("videoqualitys")->minimum());
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the number fields: every keystroke runs the change handling at
// once, the caret stays after what the user just typed, and the widgets show
// what the models then hold. The figures themselves are the logic tests' part;
// the slider keys: pointer_ui_test.cpp.
#include "widget_harness.h"

namespace norv::test {
namespace {

TEST(TypingUi, FieldsRewrittenWhileTypedKeepTheCaretAfterTheKeysTyped)
{
    // Multiples of 16 and a video stream, so that the quality controls are enabled.
    UiNorv norv;
    Norv_main& m = norv.model();
    type("xdivisible", "*16");
    type("ydivisible", "*16");
    addVideoRow(m, "1000000");
    // keys typed (see type()), the text shown, the caret after it
    const std::tuple<const char*, const char*, int> typings[] = {
        {"*25.", "25", 2},       // a separator typed last vanishes: fractions need digits around it
        {"*2997<<.", "29.97", 3}, // '.' the locale's separator
        {"*\b5", "5", 1},        // emptied shows 0; the caret after it lets the next digit replace it
        {"*2500<<.", "25", 2},   // the separator vanishes with the zeros after it
    };
    for (const auto& [keys, shown, caret] : typings) {
        type("framerate", keys);
        EXPECT_EQ(std::pair(field("framerate")->text(), field("framerate")->cursorPosition()),
                  std::pair(UiNorv::dec(shown), caret)) << keys;
    }
    // "720" with its 2 replaced by 0 snaps: the caret stays after the 0.
    ASSERT_TRUE(tabTo("fwidth"));
    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
    type(field("fwidth"), "$<{0");
    EXPECT_EQ(field("fwidth")->cursorPosition(), 2);
    expectMainShowsModel(m, "the width typed");
    // The figure typed digit by digit, then the separator put in: kept as typed.
    type(field("videoquality"), "*1220703125<<<<<<.");
    EXPECT_EQ(std::pair(field("videoquality")->text(), field("videoquality")->cursorPosition()),
              std::pair(UiNorv::dec("1220.703125"), 5));
    expectMainShowsModel(m, "the figure typed");
}

} // namespace
} // namespace norv::test

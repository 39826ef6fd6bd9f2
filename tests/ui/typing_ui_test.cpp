// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the number fields and stepping the sliders: every keystroke or
// step runs the change handling at once, the caret stays after what the user
// just typed, and the frame size and quality figure follow.
#include "widget_harness.h"

namespace norv::test {
namespace {

void expectSize(const char* width, const char* height, int widthSteps, int heightSteps)
{
    EXPECT_EQ(QStringList({field("fwidth")->text(), field("fheight")->text()}), QStringList({width, height}));
    EXPECT_EQ(std::pair(slider("fwidths")->value(), slider("fheights")->value()), std::pair(widthSteps, heightSteps));
}

TEST(TypingUi, FieldsRewriteWhileTypedKeepTheCaretAndSetTheFrame)
{
    // State: multiples of 16 and a video stream of 1000000 bit/s; the change
    // events of the sliders counted.
    UiNorv norv;
    Norv_main& m = norv.model();
    int widthChanges = 0;
    int qualityChanges = 0;
    for (auto [s, count] : {std::pair{&m.fwidths, &widthChanges}, std::pair{&m.videoqualitys, &qualityChanges}})
        s->Change = [count = count, original = s->Change] { ++*count; original(); };
    type("xdivisible", "*16");
    type("ydivisible", "*16");
    addVideoRow(m, "1000000");

    // Action: keys typed into the frame rate (see type()). Expected: the text
    // rewritten at once, the caret after what was just typed.
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

    // Action: Tab into the width; 700 typed as "720" with its 2 replaced by
    // 0. Expected: 704, the caret after the 0; the rest follows.
    ASSERT_TRUE(tabTo("fwidth"));
    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
    type(field("fwidth"), "$<{0");
    expectSize("704", "560", 44, 35);
    EXPECT_EQ(field("fwidth")->cursorPosition(), 2);
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1014.61038961039"));

    // Action: the width slider and then the quality slider stepped with the
    // keys, 1 per arrow and 5 per page. Expected: one change per step, and
    // the size or the figure follows each.
    ASSERT_TRUE(tabTo("fwidths"));
    widthChanges = 0;
    press(Qt::Key_Right);
    expectSize("720", "576", 45, 36);
    press(Qt::Key_PageUp);
    expectSize("800", "640", 50, 40);
    EXPECT_EQ(widthChanges, 2);
    ASSERT_TRUE(tabTo("videoqualitys"));
    qualityChanges = 0;
    press(Qt::Key_PageDown);
    EXPECT_EQ(field("videoquality")->text(), "776");
    press(Qt::Key_Left);
    EXPECT_EQ(field("videoquality")->text(), "775");
    EXPECT_EQ(qualityChanges, 2);

    // Action: back to the quality figure, typed digit by digit, then the
    // separator put in. Expected: the size follows the figure.
    ASSERT_TRUE(tabTo("videoquality", Qt::ShiftModifier));
    type(field("videoquality"), "1220703125<<<<<<.");
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1220.703125"));
    EXPECT_EQ(field("videoquality")->cursorPosition(), 5);
    expectSize("640", "512", 40, 32);
    EXPECT_EQ(slider("videoqualitys")->value(), 1221);

    // Action: a width below one multiple typed, then Tab out. Expected: it
    // stays as typed while the field has the focus and is rounded down after.
    ASSERT_TRUE(tabTo("fwidth", Qt::ShiftModifier));
    type(field("fwidth"), "*7");
    EXPECT_EQ(field("fwidth")->text(), "7");
    press(Qt::Key_Tab);
    EXPECT_EQ(field("fwidth")->text(), "0");
}

} // namespace
} // namespace norv::test

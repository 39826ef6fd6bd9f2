// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the number fields and stepping the sliders: every keystroke or
// step runs the change handling at once, the caret stays after what the user
// just typed, and the frame size and quality figure follow.
#include "widget_harness.h"

#include "common/text_box.h"

namespace norv::test {
namespace {

TEST(FieldTypingUi, RewritesWhileTypingAndKeepsTheCaret)
{
    struct Typing {
        const char* field;
        const char* keys;  // see type()
        const char* shown; // '.' stands for the locale's decimal separator
        int caret;
    };
    const Typing typings[] = {
        // A width that snaps to its multiple of 16: the caret stays after the typed 1.
        {"fwidth", "$<1", "7216", 3},
        // A separator typed last vanishes at once: fractions need digits around it.
        {"framerate", "*25.", "25", 2},
        {"framerate", "*2997<<.", "29.97", 3},
        // Letters after the number vanish as they are typed.
        {"lenght", "*30fps", "30", 2},
        // An emptied field shows 0, the caret after it lets the next digit replace it.
        {"framerate", "*\b5", "5", 1},
        // The separator vanishes with the zeros after it: the caret stays after "25".
        {"framerate", "*2500<<.", "25", 2},
    };
    SettingsDir settings;
    UiNorv norv(settings);
    type("xdivisible", "*16"); // for the width
    type("ydivisible", "*16");
    for (const Typing& t : typings) {
        type(t.field, QString::fromLatin1(t.keys));
        EXPECT_EQ(field(t.field)->text(), UiNorv::dec(t.shown)) << t.keys;
        EXPECT_EQ(field(t.field)->text().toStdString(), dynamic_cast<TextBox&>(*norv.model().control(t.field)).text());
        EXPECT_EQ(field(t.field)->cursorPosition(), t.caret) << t.keys;
    }
}

void expectSize(const char* width, const char* height, int widthSteps, int heightSteps)
{
    EXPECT_EQ(field("fwidth")->text(), width);
    EXPECT_EQ(field("fheight")->text(), height);
    EXPECT_EQ(slider("fwidths")->value(), widthSteps);
    EXPECT_EQ(slider("fheights")->value(), heightSteps);
}

TEST(GeometryUi, WidthTypedSlidersSteppedAndQualityTypedSetTheFrame)
{
    // State: multiples of 16, 25 fps and a video stream of 1000000 bit/s;
    // the change events of two sliders counted.
    int qualityChanges = 0;
    int widthChanges = 0;
    SettingsDir settings;
    UiNorv norv(settings);
    Norv_main& m = norv.model();
    for (auto [s, count] : {std::pair{&m.videoqualitys, &qualityChanges}, std::pair{&m.fwidths, &widthChanges}})
        s->Change = [count = count, original = s->Change] {
            ++*count;
            original();
        };
    type("xdivisible", "*16");
    type("ydivisible", "*16");
    addVideoRow(m, "1000000");

    // Action: Tab from the list into the width, which selects it; 700 typed
    // as "720" with its 2 replaced by 0.
    column("streamlist")->setFocus(Qt::OtherFocusReason);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), field("fwidth"));
    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
    type(field("fwidth"), "$<{0");
    // Expected: 700 snaps to 704, the caret after the 0; the rest follows.
    expectSize("704", "560", 44, 35);
    EXPECT_EQ(field("fwidth")->cursorPosition(), 2);
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1014.61038961039"));
    EXPECT_EQ(field("properror")->text(), UiNorv::dec("-0.57%"));

    // Action: the width slider and then the quality slider stepped with the
    // keys, 1 per arrow and 5 per page. Expected: one change per step, and
    // the size or the figure follows each.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), slider("fwidths"));
    widthChanges = 0;
    press(Qt::Key_Right);
    expectSize("720", "576", 45, 36);
    press(Qt::Key_PageUp);
    expectSize("800", "640", 50, 40);
    EXPECT_EQ(widthChanges, 2);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), slider("videoqualitys"));
    qualityChanges = 0;
    press(Qt::Key_PageDown);
    EXPECT_EQ(field("videoquality")->text(), "776");
    press(Qt::Key_Left);
    EXPECT_EQ(field("videoquality")->text(), "775");
    EXPECT_EQ(qualityChanges, 2);

    // Action: back to the quality figure, typed digit by digit, then the
    // separator put in. Expected: the size follows the figure.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), field("videoquality"));
    type(field("videoquality"), "1220703125<<<<<<.");
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1220.703125"));
    EXPECT_EQ(field("videoquality")->cursorPosition(), 5);
    expectSize("640", "512", 40, 32);
    EXPECT_EQ(slider("videoqualitys")->value(), 1221);

    // Action: a width below one multiple typed, then Tab out. Expected: it
    // stays as typed while the field has the focus and is rounded down after.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), field("fwidth"));
    type(field("fwidth"), "*7");
    EXPECT_EQ(field("fwidth")->text(), "7");
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("fheight"));
    EXPECT_EQ(field("fwidth")->text(), "0");
}

} // namespace
} // namespace norv::test

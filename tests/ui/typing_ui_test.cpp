// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the number fields and stepping the sliders: every keystroke or
// step runs the change handling at once, the caret stays after what the user
// just typed, and the widgets show what the models then hold. The figures
// themselves are the logic tests' part.
#include "widget_harness.h"

#include <QWheelEvent>

namespace norv::test {
namespace {

// Multiples of 16 and a video stream, so that the quality controls are enabled.
class TypingUi : public ::testing::Test {
protected:
    TypingUi()
    {
        type("xdivisible", "*16");
        type("ydivisible", "*16");
        addVideoRow(m, "1000000");
    }
    UiNorv norv;
    Norv_main& m = norv.model();
};

TEST_F(TypingUi, FieldsRewrittenWhileTypedKeepTheCaretAfterTheKeysTyped)
{
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

void wheel(QWidget* target, int notches)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// 1 per arrow and 5 per page, one change event per step; a wheel notch is an
// arrow key, the focus taken first as a click would. The size or the figure
// follows each step.
TEST_F(TypingUi, SliderKeysAndWheelStepOneChangeEachAndTheFieldFollows)
{
    for (const auto& [name, follower] : {std::pair{"fwidths", "fwidth"}, {"videoqualitys", "videoquality"}}) {
        Slider& model = dynamic_cast<Slider&>(m.named(name));
        int changes = 0;
        model.Change = [&changes, original = model.Change] { ++changes; original(); };
        EXPECT_TRUE(tabTo(name)) << name;
        const int start = slider(name)->value();
        QString before = field(follower)->text();
        press(Qt::Key_PageUp);
        press(Qt::Key_Left);
        EXPECT_EQ(std::pair(slider(name)->value(), changes), std::pair(start + 4, 2)) << name;
        EXPECT_NE(field(follower)->text(), before) << name;
        before = field(follower)->text();
        field("diskspace")->setFocus(Qt::TabFocusReason);
        wheel(slider(name), 1);
        EXPECT_EQ(QApplication::focusWidget(), slider(name)) << name;
        EXPECT_EQ(std::pair(slider(name)->value(), changes), std::pair(start + 5, 3)) << name;
        EXPECT_NE(field(follower)->text(), before) << name;
        expectMainShowsModel(m, name);
    }
}

} // namespace
} // namespace norv::test

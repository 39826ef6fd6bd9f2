// SPDX-License-Identifier: GPL-3.0-or-later
// The frame size and the quality figure driven as a user drives them: Tab
// into a field and type, step the sliders with the keys.
#include "field_keys.h"

#include "common/slider.h"

#include <QListWidget>

namespace norv::test {
namespace {

// Tab from the stream list into the width field, which selects its text.
void tabIntoWidth()
{
    UiNorv::widget<QListWidget>("Norv_main", "streamlist")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), field("fwidth"));
}

struct SizeRow {
    QString width, height;
    int widthSteps, heightSteps;
};

void expectSize(const SizeRow& row)
{
    EXPECT_EQ(field("fwidth")->text(), row.width);
    EXPECT_EQ(field("fheight")->text(), row.height);
    EXPECT_EQ(slider("fwidths")->value(), row.widthSteps);
    EXPECT_EQ(slider("fheights")->value(), row.heightSteps);
}

struct TypedWidth {
    const char* name;
    const char* multiples;
    const char* keys;  // after Tab has selected the width
    SizeRow typed;     // while the field has the focus
    const char* left;  // the width once Tab has left the field
};

class TypedWidthUi : public ::testing::TestWithParam<TypedWidth> {};

TEST_P(TypedWidthUi, SnapsWhileTypingAndRoundsDownOnLeaving)
{
    const TypedWidth& t = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    typeMultiples(QString::fromLatin1(t.multiples));
    tabIntoWidth();

    typeKeys(field("fwidth"), QString::fromLatin1(t.keys));
    expectSize(t.typed);
    EXPECT_EQ(norv.model().hasfocus, Norv_main::FocusWidth);

    QTest::keyClick(field("fwidth"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("fheight"));
    EXPECT_EQ(field("fwidth")->text(), QLatin1String(t.left));
    // Leaving the field recomputes nothing else.
    EXPECT_EQ(field("fheight")->text(), t.typed.height);
    EXPECT_EQ(slider("fwidths")->value(), t.typed.widthSteps);
}

const TypedWidth kTypedWidths[] = {
    {"PixelMultiples", "1", "700", {"700", "560", 700, 560}, "700"},
    // Each keystroke snaps: 7 stays below one multiple, 70 snaps to 64, then 640.
    {"KeyByKeyWithMultiplesOf16", "16", "700", {"640", "512", 40, 32}, "640"},
    // "720" with its 2 replaced by 0 in one keystroke: 700 snaps to 704.
    {"DigitReplacedWithMultiplesOf16", "16", "$<{0", {"704", "560", 44, 35}, "704"},
    // Below one multiple the width stays as typed; the sliders hold at their minimum.
    {"BelowOneMultiple", "16", "7", {"7", "0", 1, 1}, "0"},
    {"BeyondTheSliderRange", "1", "3000", {"3000", "2400", 2000, 2000}, "3000"},
};

INSTANTIATE_TEST_SUITE_P(Widths, TypedWidthUi, ::testing::ValuesIn(kTypedWidths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeometryUi, WidthSliderStepsByKeysAndTheSizeFollowsEachStep)
{
    // State: multiples of 16, the width slider focused with the keyboard.
    SettingsDir settings;
    UiNorv norv(settings);
    typeMultiples("16");
    UiNorv::widget<QWidget>("Norv_main", "About")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QSlider* fwidths = slider("fwidths");
    ASSERT_EQ(QApplication::focusWidget(), fwidths);
    ASSERT_EQ(fwidths->value(), 45);
    HandlerCount changes(norv.model().fwidths.Change);

    struct Step {
        Qt::Key key;
        SizeRow size;
    };
    const Step steps[] = {
        {Qt::Key_Right, {"736", "592", 46, 37}},    {Qt::Key_Right, {"752", "608", 47, 38}},
        {Qt::Key_PageUp, {"832", "672", 52, 42}},   {Qt::Key_PageDown, {"752", "608", 47, 38}},
        {Qt::Key_Left, {"736", "592", 46, 37}},
    };
    int step = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(++step);
        QTest::keyClick(fwidths, s.key);
        expectSize(s.size);
        EXPECT_EQ(changes.count(), step);
    }
}

TEST(GeometryUi, QualityFigureTypedAndQualitySliderSteppedSetTheFrameSize)
{
    // State: multiples of 16, 25 fps and a video stream of 1000000 bit/s.
    SettingsDir settings;
    UiNorv norv(settings);
    typeMultiples("16");
    addVideoRow(norv, "1000000");
    tabIntoWidth();

    // A width of 700 snaps to 704; the figure follows the size.
    typeKeys(field("fwidth"), "$<{0");
    expectSize({"704", "560", 44, 35});
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1014.61038961039"));
    EXPECT_EQ(slider("videoqualitys")->value(), 1015);
    EXPECT_EQ(field("properror")->text(), UiNorv::dec("-0.57%"));

    // The figure typed digit by digit, then the separator put in: the size follows the figure.
    QTest::keyClick(field("fwidth"), Qt::Key_Tab);
    QTest::keyClick(field("fheight"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), field("videoquality"));
    typeKeys(field("videoquality"), "1220703125<<<<<<.");
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1220.703125"));
    EXPECT_EQ(field("videoquality")->cursorPosition(), 5);
    expectSize({"640", "512", 40, 32});
    EXPECT_EQ(slider("videoqualitys")->value(), 1221);

    // The quality slider stepped down by keyboard to 1015, each step rewriting the figure.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QSlider* quality = slider("videoqualitys");
    ASSERT_EQ(QApplication::focusWidget(), quality);
    HandlerCount changes(norv.model().videoqualitys.Change);
    QTest::keyClick(quality, Qt::Key_PageDown);
    EXPECT_EQ(field("videoquality")->text(), QStringLiteral("1216"));
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(quality, Qt::Key_PageDown);
    QTest::keyClick(quality, Qt::Key_Left);

    EXPECT_EQ(changes.count(), 42);
    EXPECT_EQ(quality->value(), 1015);
    EXPECT_EQ(field("videoquality")->text(), QStringLiteral("1015"));
    expectSize({"704", "560", 44, 35});
}

} // namespace
} // namespace norv::test

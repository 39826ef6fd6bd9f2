// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list on the main window: five columns that scroll as one, four
// of them display-only, and a whole plan worked out through the widgets.
#include "stream_ui_actions.h"

#include <QWheelEvent>

namespace norv::test {
namespace {

const char* const kDisplayColumns[] = {"codec", "streampercentual", "streamdimension", "dimensiontype"};

const QColor kLightRed(255, 127, 127);
const QColor kWhite(255, 255, 255);

QColor background(QWidget* widget) { return widget->palette().color(QPalette::Base); }

void wheel(QWidget* target, int steps)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST(StreamColumnsUi, ScrollSelectAndAddKeepTheRowsSideBySide)
{
    SettingsDir settings;
    UiNorv norv(settings);
    QListWidget* types = column("streamlist");
    QScrollBar* bar = types->verticalScrollBar();

    addStream(Type::Video, QStringLiteral("100"), Sized::Percent);
    for (int i = 0; i < 9; ++i)
        addStream(i % 2 ? Type::Subtitles : Type::Audio, QString::number(1000 * (i + 1)),
                  i % 2 ? Sized::Bytes : Sized::Bitrate);
    ASSERT_EQ(types->count(), 10);
    ASSERT_GT(bar->maximum(), 0) << "more rows than fit";
    activate(UiNorv::window("Norv_main"));
    expectSideBySide("adding");

    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, types->visualItemRect(types->item(1)).center());
    EXPECT_EQ(types->currentRow(), 1);
    EXPECT_EQ(norv.model().streamlist.listIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), types);
    expectSideBySide("a click on row 1");

    press(Qt::Key_End);
    EXPECT_EQ(types->currentRow(), 9);
    EXPECT_EQ(bar->value(), bar->maximum());
    expectSideBySide("End");
    press(Qt::Key_PageUp);
    press(Qt::Key_Up);
    expectSideBySide("PageUp, Up");
    press(Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    expectSideBySide("Home");
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(norv.model().streamlist.listIndex(), 5);
    expectSideBySide("Down");

    wheel(types->viewport(), 3);
    expectSideBySide("the wheel");
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    expectSideBySide("the scroll bar at its end");
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    expectSideBySide("a page up on the scroll bar");

    // Added and removed at the bottom while scrolled there.
    press(Qt::Key_End);
    addStream(Type::Audio, QStringLiteral("64000"), Sized::Bitrate);
    activate(UiNorv::window("Norv_main"));
    expectSideBySide("adding while scrolled down");
    types->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_End);
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "RemoveStreamButton"));
    EXPECT_EQ(types->count(), 10);
    expectSideBySide("Remove at the bottom");
}

TEST(StreamColumnsUi, DisplayColumnsTakeNoFocusSelectionOrMouse)
{
    SettingsDir settings;
    UiNorv norv(settings);
    for (int i = 0; i < 8; ++i)
        addStream(Type::Audio, QString::number(i + 1), Sized::Bitrate);
    QWidget* main = UiNorv::window("Norv_main");
    activate(main);
    QListWidget* types = column("streamlist");
    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, types->visualItemRect(types->item(2)).center());
    ASSERT_EQ(types->currentRow(), 2);
    const QColor diskspace = background(field("diskspace"));

    for (const char* name : kDisplayColumns) {
        QListWidget* list = column(name);
        EXPECT_FALSE(list->isEnabled()) << name;
        EXPECT_EQ(list->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_FALSE(list->verticalScrollBar()->isVisible()) << name;

        // A press, a click and a double-click on it change nothing.
        const QPoint at = list->count() ? list->visualItemRect(list->item(0)).center() : QPoint(5, 5);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(background(field("diskspace")), diskspace) << name;
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        platformClick(list->viewport(), at);
        doubleClick(list->viewport(), at);
        wheel(list->viewport(), 2);
        EXPECT_EQ(QApplication::focusWidget(), types) << name;
        EXPECT_EQ(types->currentRow(), 2) << name;
        EXPECT_EQ(norv.model().streamlist.listIndex(), 2) << name;
        EXPECT_TRUE(list->selectedItems().isEmpty()) << name;
        EXPECT_EQ(list->currentRow(), -1) << name;
        expectSideBySide(name);
    }

    // Tab goes round the whole window without stopping in them.
    field("diskspace")->setFocus(Qt::TabFocusReason);
    bool reachedTypes = false;
    for (int i = 0; i < 25; ++i) {
        press(Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        reachedTypes = reachedTypes || now == types;
        for (const char* name : kDisplayColumns)
            EXPECT_FALSE(now == column(name) || now == column(name)->viewport()) << name;
    }
    EXPECT_TRUE(reachedTypes);
}

// Press, release and the colours in between: light red while held, white after.
void expectHighlightWhileHeld(QWidget* pressed, std::initializer_list<const char*> painted, bool container)
{
    QWidget* combo = UiNorv::widget<QWidget>("Norv_main", "containerselector");
    const QColor containerBefore = background(combo);
    QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(4, 4));
    for (const char* name : painted)
        EXPECT_EQ(background(UiNorv::widget<QWidget>("Norv_main", name)), kLightRed) << name;
    EXPECT_EQ(background(combo), container ? kLightRed : containerBefore);
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(4, 4));
    for (const char* name : painted)
        EXPECT_EQ(background(UiNorv::widget<QWidget>("Norv_main", name)), kWhite) << name;
    EXPECT_EQ(background(combo), kWhite);
}

TEST(PlanUi, FromStartUpToAFinishedPlan)
{
    SettingsDir settings;
    UiNorv norv(settings);
    QWidget* main = UiNorv::window("Norv_main");
    QListWidget* types = column("streamlist");

    // The disk space and the length typed; then the audio and the video streams.
    retype(field("diskspace"), QStringLiteral("734003200"));
    retype(field("lenght"), QStringLiteral("5400"));
    addStream(Type::Audio, QStringLiteral("128000"), Sized::Bitrate);
    addStream(Type::Video, QStringLiteral("100"), Sized::Percent);
    activate(main);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(column("streamdimension")->item(1)->text(), QString());
    EXPECT_FALSE(field("videoquality")->isEnabled());

    // A real double-click on the list shares out the pool.
    doubleClick(types->viewport(), types->visualItemRect(types->item(0)).center());
    EXPECT_EQ(column("streampercentual")->item(1)->text(), QStringLiteral("100%"));
    EXPECT_EQ(column("streamdimension")->item(1)->text(), QStringLiteral("959412"));
    EXPECT_EQ(column("dimensiontype")->item(1)->text(), QStringLiteral("bit/s"));
    EXPECT_EQ(column("streamdimension")->item(0)->text(), QStringLiteral("128000"));
    EXPECT_TRUE(field("videoquality")->isEnabled());
    EXPECT_TRUE(UiNorv::widget<QWidget>("Norv_main", "videoqualitys")->isEnabled());
    EXPECT_TRUE(UiNorv::widget<QWidget>("Norv_main", "Label8")->isEnabled());
    expectSideBySide("the allocation");

    // A width typed: the height follows, and the quality figure with it.
    QTest::mouseClick(field("fwidth"), Qt::LeftButton);
    ASSERT_EQ(norv.model().hasfocus, Norv_main::FocusWidth);
    retype(field("fwidth"), QStringLiteral("640"));
    EXPECT_EQ(field("fheight")->text(), QStringLiteral("512"));
    EXPECT_EQ(field("videoquality")->text(), UiNorv::dec("1171.1572265625"));
    EXPECT_EQ(UiNorv::widget<QSlider>("Norv_main", "videoqualitys")->value(), 1171);

    // The disk-space double-click fills in what the streams need.
    doubleClick(field("diskspace"), QPoint(4, 4));
    EXPECT_EQ(field("diskspace")->text(), QStringLiteral("734003100"));

    // With the overhead off the container stays as it was.
    expectHighlightWhileHeld(field("diskspace"), {"lenght", "framerate", "streamlist"}, false);
    expectHighlightWhileHeld(types->viewport(), {"diskspace", "lenght"}, false);
}

// The user writes the fraction between digits already typed, since the
// refresh cycle drops a trailing decimal point at once.
TEST(PlanUi, AFractionalLengthIsKeptAndCounted)
{
    SettingsDir settings;
    UiNorv norv(settings);
    retype(field("diskspace"), QStringLiteral("734003200"));
    retype(field("lenght"), QStringLiteral("54005"));
    press(Qt::Key_Left);
    QTest::keyClicks(field("lenght"), QString(QLocale::system().decimalPoint()));
    EXPECT_EQ(field("lenght")->text(), UiNorv::dec("5400.5"));
    addStream(Type::Audio, QStringLiteral("128000"), Sized::Bitrate);
    addStream(Type::Video, QStringLiteral("100"), Sized::Percent);
    activate(UiNorv::window("Norv_main"));

    // The length's double-click runs the allocation as the list's does.
    doubleClick(field("lenght"), QPoint(4, 4));
    EXPECT_EQ(field("lenght")->text(), UiNorv::dec("5400.5"));
    EXPECT_EQ(column("streamdimension")->item(1)->text(), QStringLiteral("959311"));

    doubleClick(field("diskspace"), QPoint(4, 4));
    EXPECT_EQ(field("diskspace")->text(), UiNorv::dec("734002881.9375"));

    // Overhead on through the Options window: AVI is one of the inputs now.
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "Option"));
    auto* overhead = UiNorv::widget<QCheckBox>("Norv_option", "overhead");
    ASSERT_NE(overhead, nullptr);
    platformClick(overhead);
    ASSERT_TRUE(overhead->isChecked());
    activate(UiNorv::window("Norv_main"));
    expectHighlightWhileHeld(field("diskspace"), {"lenght", "framerate", "streamlist"}, true);
    expectHighlightWhileHeld(column("streamlist")->viewport(), {"diskspace", "lenght"}, true);
}

} // namespace
} // namespace norv::test

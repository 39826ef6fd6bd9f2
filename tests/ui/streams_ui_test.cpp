// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list and the Add Stream dialog as the user meets them: the modal
// dialog, the error window above it, five columns that scroll as one.
#include "widget_harness.h"

#include <QWheelEvent>

namespace norv::test {
namespace {

QLineEdit* streamValue() { return UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"); }
QComboBox* streamTypes() { return UiNorv::widget<QComboBox>("AddStream", "streamtype"); }

// Nothing covers the widget where the user would click it.
bool onTop(QWidget* widget) { return QApplication::widgetAt(widget->mapToGlobal(widget->rect().center())) == widget; }

TEST(AddStreamUi, ModalDialogCancelsAndShowsTheErrorWindowAboveItself)
{
    SettingsDir settings;
    UiNorv norv(settings);

    // Action: the button opens the dialog; a click on Option behind it.
    QDialog* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());
    platformClick(button("Norv_main", "Option"));
    // Expected: modal, so the main window takes no click.
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_FALSE(UiNorv::window("Norv_option")->isVisible());

    // Action: a value typed, Escape; then the frame's close control. Expected:
    // nothing added; the same dialog (so the same window model), its language
    // kept.
    type(streamValue(), "*5");
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    openAddStream();
    dialog->close();
    QTest::qWait(0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 0);
    EXPECT_EQ(openAddStream(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Add Stream");

    // Action: Enter adds a video row; the dialog opened again (on Audio), the
    // user picks Video once more, types 12abc and presses Enter.
    press(Qt::Key_Return);
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "", "0", "bit/s"}));
    openAddStream();
    streamTypes()->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Up);
    ASSERT_EQ(streamTypes()->currentText(), "Video");
    type(streamValue(), "*12abc");
    press(Qt::Key_Return);

    // Expected: refused above the dialog, which stays open.
    QWidget* error = UiNorv::window("Norv_error");
    ASSERT_TRUE(error && QTest::qWaitForWindowExposed(error));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 1);
    EXPECT_EQ(streamValue()->text(), "12");
    EXPECT_EQ(shownError(), "Numero massimo di flussi video consentiti: 1");
    QPushButton* riprendi = button("Norv_error", "Riprendi");
    EXPECT_TRUE(onTop(riprendi));

    // Action: Riprendi clicked although the dialog is modal; then Audio and a
    // megabyte of digits pasted, Enter.
    resume("AddStream");
    ASSERT_TRUE(dialog->isVisible());
    streamTypes()->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    paste(streamValue(), megabyteOf("1234567890"));
    EXPECT_EQ(streamValue()->text().size(), streamValue()->maxLength()); // what a line edit holds
    press(Qt::Key_Return);
    // Expected: the overflow above the dialog again, nothing added.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(error));
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_TRUE(onTop(riprendi));
    EXPECT_EQ(column("streamlist")->count(), 1);

    // Action: Riprendi, a megabyte of letters, Enter. Expected: added as 0.
    resume("AddStream");
    paste(streamValue(), megabyteOf("abcdefghij"));
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"Audio", "", "0", "bit/s"}));
}

void wheel(QWidget* target, int steps)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void clickRow(int row)
{
    QListWidget* types = column("streamlist");
    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, types->visualItemRect(types->item(row)).center());
}

// Press and release on a widget: what the allocation reads lights red while
// held, and nothing else; all white after.
void expectHighlightWhileHeld(QWidget* pressed, const QStringList& painted, QPoint at = QPoint(4, 4))
{
    const auto base = [](const char* name) {
        return UiNorv::widget("Norv_main", name)->palette().color(QPalette::Base);
    };
    const char* const inputs[] = {"diskspace", "lenght", "framerate", "streamlist", "containerselector"};
    QTest::mousePress(pressed, Qt::LeftButton, {}, at);
    for (const char* name : inputs)
        EXPECT_EQ(base(name) == QColor(255, 127, 127), painted.contains(name)) << name;
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, at);
    for (const char* name : inputs)
        EXPECT_EQ(base(name), QColor(Qt::white)) << name;
}

TEST(StreamColumnsUi, RowsStaySideBySideAndDisplayColumnsTakeNoInput)
{
    // State: ten rows, more than fit.
    SettingsDir settings;
    UiNorv norv(settings);
    Norv_main& m = norv.model();
    addRow(m, "Video", "100%", "", "");
    for (int i = 0; i < 9; ++i)
        addRow(m, "Audio", "", "64000", "bit/s");
    QListWidget* types = column("streamlist");
    QScrollBar* bar = types->verticalScrollBar();
    expectSideBySide("adding");
    ASSERT_GT(bar->maximum(), 0) << "more rows than fit";

    // Action: a click, the keys, the wheel, the scroll bar, each followed by
    // a look at the columns.
    clickRow(1);
    EXPECT_EQ(m.streamlist.listIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), types);
    press(Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    expectSideBySide("End");
    press(Qt::Key_Home);
    wheel(types->viewport(), 3);
    EXPECT_GT(bar->value(), 0);
    expectSideBySide("the wheel");
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    expectSideBySide("the scroll bar at its end");
    // Added through the dialog and removed at the bottom while scrolled there.
    addStream(Type::Audio, "64000", Sized::Bitrate);
    expectSideBySide("adding while scrolled down");
    types->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_End);
    platformClick(button("Norv_main", "RemoveStreamButton"));
    EXPECT_EQ(types->count(), 10);
    expectSideBySide("Remove at the bottom");

    // Action: a press, a click, a double-click and the wheel on each
    // display-only column. Expected: nothing changes.
    types->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Home);
    clickRow(2);
    for (const char* name : {"codec", "streampercentual", "streamdimension", "dimensiontype"}) {
        QListWidget* list = column(name);
        const QPoint at = list->count() ? list->visualItemRect(list->item(0)).center() : QPoint(5, 5);
        expectHighlightWhileHeld(list->viewport(), {}, at);
        platformClick(list->viewport(), at);
        doubleClick(list->viewport(), at);
        wheel(list->viewport(), 2);
        EXPECT_EQ(QApplication::focusWidget(), types) << name;
        EXPECT_EQ(m.streamlist.listIndex(), 2) << name;
        EXPECT_TRUE(list->selectedItems().isEmpty()) << name;
        expectSideBySide(name);
    }

    // Pressing the list or the disk space lights up what the allocation reads.
    expectHighlightWhileHeld(types->viewport(), {"diskspace", "lenght"});
    expectHighlightWhileHeld(field("diskspace"), {"lenght", "framerate", "streamlist"});
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list and the Add Stream dialog as the user meets them: the modal
// dialog, the error window above it, five columns that scroll as one, a
// hundred streams.
#include "widget_harness.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace norv::test {
namespace {

QLineEdit* streamValue() { return UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"); }

// The four working cells of a row, as shown.
QStringList rowOf(int row)
{
    QStringList cells;
    for (const char* name : {"streamlist", "streampercentual", "streamdimension", "dimensiontype"})
        cells << (row < column(name)->count() ? column(name)->item(row)->text() : QStringLiteral("<none>"));
    return cells;
}

// Row i of every column stands beside row i of the types, after the pending
// layouts.
void expectSideBySide(const char* after)
{
    QTest::qWait(0);
    const auto tops = [](const char* name) {
        QListWidget* list = column(name);
        QList<int> y;
        for (int i = 0; i < list->count(); ++i)
            y << list->viewport()->mapTo(list->window(), list->visualItemRect(list->item(i)).topLeft()).y();
        return y;
    };
    for (const char* name : {"streampercentual", "streamdimension", "dimensiontype"})
        EXPECT_EQ(tops(name), tops("streamlist")) << name << " after " << after;
}

// AddStreamButton clicked; the modal dialog made the active window.
QWidget* openAddStream()
{
    platformClick(button("Norv_main", "AddStreamButton"));
    QWidget* dialog = UiNorv::window("AddStream");
    if (dialog && dialog->isVisible()) {
        activate(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
}

// Nothing covers the widget where the user would click it.
bool onTop(QWidget* widget) { return QApplication::widgetAt(widget->mapToGlobal(widget->rect().center())) == widget; }

// A real double-click: press, release, double-click, release.
void doubleClick(QWidget* target, QPoint at = QPoint(4, 4))
{
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
}

void wheel(QWidget* target, int steps)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

QPoint rowCentre(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

TEST(AddStreamUi, APlanThroughTheModalDialogTheErrorWindowAboveItAndTheKeys)
{
    // State: the disk space typed, Tab, the length typed.
    UiNorv norv;
    type(QApplication::focusWidget(), "*734003200");
    ASSERT_TRUE(tabTo("lenght"));
    type(QApplication::focusWidget(), "*5400");
    // Action: the button opens the dialog. Expected: modal, so the main
    // window takes no click.
    QWidget* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);

    // Action: Escape; then the frame's close control. Expected: nothing
    // added; the same dialog (so the same window model) opens again.
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    openAddStream();
    dialog->close();
    QTest::qWait(0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 0);
    EXPECT_EQ(openAddStream(), dialog);

    // Action: the percent option clicked twice, Enter adds a video row; the dialog
    // opened again (on Audio), the user picks Video once more, types 12abc
    // and presses Enter.
    auto* percentOption = UiNorv::widget<QRadioButton>("AddStream", "tipodimensione(2)");
    platformClick(percentOption);
    platformClick(percentOption); // the model keeps it selected, so must the widget
    EXPECT_TRUE(percentOption->isChecked());
    press(Qt::Key_Return);
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "", ""}));
    openAddStream();
    UiNorv::widget("AddStream", "streamtype")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Up);
    type(streamValue(), "*12abc");
    press(Qt::Key_Return);
    // Expected: refused above the dialog, which stays open.
    ASSERT_TRUE(UiNorv::window("Norv_error") && QTest::qWaitForWindowExposed(UiNorv::window("Norv_error")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(shownError(), "Numero massimo di flussi video consentiti: 1");
    EXPECT_TRUE(onTop(button("Norv_error", "Riprendi")));

    // Action: Riprendi clicked although the dialog is modal; then Audio and a
    // megabyte of digits pasted, Enter. Expected: the overflow reported.
    resume("AddStream");
    UiNorv::widget("AddStream", "streamtype")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    paste(streamValue(), megabyteOf("1234567890"));
    press(Qt::Key_Return);
    EXPECT_EQ(shownError(), runTimeError("Overflow"));

    // Action: Riprendi, 128000 typed, Enter. Expected: the row added in line
    // with the one above.
    resume("AddStream");
    type(streamValue(), "*128000");
    press(Qt::Key_Return);
    EXPECT_EQ(rowOf(1), (QStringList{"Audio", "", "128000", "bit/s"}));
    expectSideBySide("adding through the dialog");
    activate(UiNorv::window("Norv_main"));

    // Action: Enter on the list and Ctrl+Enter in diskspace, the keys for
    // their double-clicks. Expected: the video stream gets what is left, the
    // quality controls are enabled, and the space the streams need is about
    // the disk space again.
    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "959412", "bit/s"}));
    EXPECT_TRUE(field("videoquality")->isEnabled() && slider("videoqualitys")->isEnabled());
    ASSERT_TRUE(tabTo("diskspace", Qt::ShiftModifier));
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(field("diskspace")->text(), "734003100");
}

TEST(StreamColumnsUi, HundredRowsStaySideBySideAndAllocate)
{
    // State: 100 s; the video stream at 100% and 99 audio streams of 1000
    // bit/s, put straight into the rows for speed.
    UiNorv norv;
    Norv_main& m = norv.model();
    m.appendStreamRow("Video", "100%", "", "");
    for (int i = 1; i < 100; ++i)
        m.appendStreamRow("Audio", "", "1000", "bit/s");
    paste(field("lenght"), "100");
    QListWidget* types = column("streamlist");
    QScrollBar* bar = types->verticalScrollBar();

    // Action: a row clicked, the wheel, the keys, a row added and removed at
    // the bottom, each followed by a look at the columns.
    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, rowCentre(types, 1));
    wheel(types->viewport(), 3);
    EXPECT_GT(bar->value(), 0);
    expectSideBySide("the wheel");
    press(Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    expectSideBySide("End");
    m.appendStreamRow("Audio", "", "64000", "bit/s");
    expectSideBySide("adding while scrolled down");
    press(Qt::Key_End);
    platformClick(button("Norv_main", "RemoveStreamButton"));
    EXPECT_EQ(types->count(), 100);
    expectSideBySide("Remove at the bottom");

    // Action: a row clicked; then a double-click (two clicks in one) and the
    // wheel on each display-only column. Expected: nothing changes.
    const QPoint at = rowCentre(types, 2);
    QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, at);
    for (const char* name : {"codec", "streampercentual", "streamdimension", "dimensiontype"}) {
        QListWidget* list = column(name);
        doubleClick(list->viewport(), at);
        wheel(list->viewport(), 2);
        EXPECT_EQ(QApplication::focusWidget(), types) << name;
        EXPECT_EQ(m.streamlist.listIndex(), 2) << name;
        EXPECT_TRUE(list->selectedItems().isEmpty()) << name;
        expectSideBySide(name);
    }
    // Expected: pressing the disk space lights up what the allocation reads.
    QTest::mousePress(field("diskspace"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(types->palette().color(QPalette::Base), QColor(255, 127, 127));
    QTest::mouseRelease(field("diskspace"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(types->palette().color(QPalette::Base), QColor(Qt::white));

    // Action: 1E308 bytes of disk, the allocation from the last row.
    // Expected: eight times the disk space leaves the double range.
    paste(field("diskspace"), "1E308");
    doubleClick(types->viewport(), rowCentre(types, 99));
    EXPECT_EQ(shownError(), runTimeError("Overflow"));

    // Action: Riprendi, 100000000 bytes, the allocation again, the disk space
    // double-clicked. Expected: the video stream gets 8000000 bit/s less
    // 99 x 1000, and the space those streams need is the disk space again.
    resume();
    paste(field("diskspace"), "100000000");
    doubleClick(types->viewport(), rowCentre(types, 99));
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "7901000", "bit/s"}));
    doubleClick(field("diskspace"));
    EXPECT_EQ(field("diskspace")->text(), "100000000");
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list and the Add Stream dialog as the user meets them: the modal
// dialog, the error window above it, the keys for the double-clicks, and five
// columns that scroll as one. What the rows come to is the logic tests' part;
// here the widgets must show what the models hold.
#include "widget_harness.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace norv::test {
namespace {

QLineEdit* streamValue() { return UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"); }

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

// Picks the stream type with the arrow keys: Up towards "Video", Down away.
void pickType(Qt::Key key)
{
    UiNorv::widget("AddStream", "streamtype")->setFocus(Qt::TabFocusReason);
    press(key);
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

class AddStreamUi : public ::testing::Test {
protected:
    UiNorv norv;
    Norv_main& m = norv.model();
};

TEST_F(AddStreamUi, OpensModalAndEscapeOrTheFrameCloseCancels)
{
    // Action: the button. Expected: modal, so the main window takes no click.
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
    EXPECT_EQ(m.streamlist.listCount(), 0);
    EXPECT_EQ(openAddStream(), dialog);
}

TEST_F(AddStreamUi, EnterAddsTheRowOfTheChosenOptionBesideTheOthers)
{
    // Action: the percent option clicked twice, Enter; then 128000 typed, Enter.
    openAddStream();
    auto* percentOption = UiNorv::widget<QRadioButton>("AddStream", "tipodimensione(2)");
    platformClick(percentOption);
    platformClick(percentOption);
    // Expected: the model keeps it selected, and so does the widget.
    EXPECT_TRUE(percentOption->isChecked());
    press(Qt::Key_Return);
    openAddStream();
    type(streamValue(), "*128000");
    press(Qt::Key_Return);

    // Expected: a percent row and a bit/s row, shown as held and side by side.
    EXPECT_EQ(m.streampercentual.items(), (std::vector<std::string>{"100%", ""}));
    EXPECT_EQ(m.dimensiontype.items(), (std::vector<std::string>{"", "bit/s"}));
    expectMainShowsModel(m, "adding");
    expectSideBySide("adding through the dialog");
}

TEST_F(AddStreamUi, ASecondVideoIsRefusedInTheErrorWindowAboveTheDialog)
{
    // State: a video row. Action: Video picked again with the keys, Enter.
    m.appendStreamRow("Video", "100%", "", "");
    QWidget* dialog = openAddStream();
    pickType(Qt::Key_Up);
    press(Qt::Key_Return);

    // Expected: refused above the dialog, which stays open; the error
    // window's button takes the click although the dialog is modal.
    ASSERT_TRUE(UiNorv::window("Norv_error") && QTest::qWaitForWindowExposed(UiNorv::window("Norv_error")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(shownError(), "Numero massimo di flussi video consentiti: 1");
    EXPECT_TRUE(onTop(button("Norv_error", "Riprendi")));
    resume("AddStream");
    EXPECT_EQ(m.streamlist.listCount(), 1);
}

TEST_F(AddStreamUi, AMegabyteOfDigitsIsReportedAndTheDialogStays)
{
    openAddStream();
    pickType(Qt::Key_Down);
    paste(streamValue(), megabyteOf("1234567890"));
    press(Qt::Key_Return);
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_TRUE(UiNorv::window("AddStream")->isVisible());
}

// Enter on the list and Ctrl+Enter in diskspace are the keys for their
// double-clicks: the allocation, and the disk space the streams need.
TEST_F(AddStreamUi, EnterOnTheListAndCtrlEnterInTheDiskSpaceActAsDoubleClicks)
{
    // State: disk space and length typed, a video at 100% and an audio stream.
    type(QApplication::focusWidget(), "*734003200");
    ASSERT_TRUE(tabTo("lenght"));
    type(QApplication::focusWidget(), "*5400");
    m.appendStreamRow("Video", "100%", "", "");
    m.appendStreamRow("Audio", "", "128000", "bit/s");

    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
    // Expected: the video row holds a bitrate; the quality controls follow.
    EXPECT_EQ(m.dimensiontype.item(0), "bit/s");
    expectMainShowsModel(m, "Enter");
    EXPECT_TRUE(field("videoquality")->isEnabled() && slider("videoqualitys")->isEnabled());

    // Expected: the space the streams need, about the disk space again.
    ASSERT_TRUE(tabTo("diskspace", Qt::ShiftModifier));
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(field("diskspace")->text(), "734003100");
}

// A hundred streams: the video at 100% and 99 audio streams of 1000 bit/s,
// put straight into the rows for speed; 100 s.
class StreamColumnsUi : public AddStreamUi {
protected:
    StreamColumnsUi()
    {
        m.appendStreamRow("Video", "100%", "", "");
        for (int i = 1; i < 100; ++i)
            m.appendStreamRow("Audio", "", "1000", "bit/s");
        paste(field("lenght"), "100");
    }
    QListWidget* types = column("streamlist");
};

TEST_F(StreamColumnsUi, StaySideBySideWhileScrolledAddedToAndRemovedFrom)
{
    QScrollBar* bar = types->verticalScrollBar();
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
}

TEST_F(StreamColumnsUi, DisplayOnlyColumnsTakeNoClickNoWheelNoFocus)
{
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
}

TEST_F(StreamColumnsUi, PressingTheDiskSpaceColoursTheTypesWhileHeld)
{
    QTest::mousePress(field("diskspace"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(types->palette().color(QPalette::Base), QColor(255, 127, 127));
    QTest::mouseRelease(field("diskspace"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(types->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(StreamColumnsUi, DoubleClickOnTheLastRowAllocatesOrReports)
{
    // Action: a disk space whose bits leave the double range. Expected: reported.
    paste(field("diskspace"), "1E308");
    doubleClick(types->viewport(), rowCentre(types, 99));
    EXPECT_EQ(shownError(), runTimeError("Overflow"));

    // Action: a disk space that computes, then a double-click on it.
    // Expected: the video gets a bitrate, and the space the streams need is
    // the disk space again.
    resume();
    paste(field("diskspace"), "100000000");
    doubleClick(types->viewport(), rowCentre(types, 99));
    EXPECT_EQ(m.dimensiontype.item(0), "bit/s");
    expectMainShowsModel(m, "the allocation");
    doubleClick(field("diskspace"));
    EXPECT_EQ(field("diskspace")->text(), "100000000");
}

} // namespace
} // namespace norv::test

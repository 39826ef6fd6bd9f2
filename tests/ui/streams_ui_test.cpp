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

// Each opening: modal, the focus on the type list. Escape, the frame's
// close control and Cancel (Tab to it, Enter) add nothing; Enter elsewhere
// presses Add, the default button, for the row of the chosen option.
TEST_F(AddStreamUi, OpensOnItsFirstControlAndEnterPressesTheFocusedButton)
{
    QWidget* dialog = nullptr;
    for (const char* end : {"Escape", "close", "Cancel"}) {
        QWidget* opened = openAddStream();
        ASSERT_TRUE(opened && opened->isVisible()) << end;
        EXPECT_TRUE(!dialog || opened == dialog) << end; // the same window model each time
        dialog = opened;
        EXPECT_EQ(QApplication::activeModalWidget(), dialog) << end;
        EXPECT_EQ(QApplication::focusWidget(), UiNorv::widget("AddStream", "streamtype")) << end;
        if (end == std::string("Escape"))
            press(Qt::Key_Escape);
        else if (end == std::string("close"))
            dialog->close();
        else if (tabTo("Abort"))
            press(Qt::Key_Return);
        QTest::qWait(0);
        EXPECT_FALSE(dialog->isVisible()) << end;
    }
    EXPECT_EQ(m.streamlist.listCount(), 0);

    // The percent option clicked twice stays chosen, in the model and the widget.
    openAddStream();
    EXPECT_TRUE(button("AddStream", "Add")->isDefault());
    auto* percentOption = UiNorv::widget<QRadioButton>("AddStream", "tipodimensione(2)");
    platformClick(percentOption);
    platformClick(percentOption);
    EXPECT_TRUE(percentOption->isChecked());
    press(Qt::Key_Return);
    openAddStream();
    type(streamValue(), "*128000");
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(m.streampercentual.items(), (std::vector<std::string>{"100%", ""}));
    EXPECT_EQ(m.dimensiontype.items(), (std::vector<std::string>{"", "bit/s"}));
    expectMainShowsModel(m, "adding");
    expectSideBySide("adding through the dialog");
}

// A second video, then a megabyte of digits: each refused in the error
// window above the dialog, which stays open; the error window's button takes
// the click although the dialog is modal.
TEST_F(AddStreamUi, RefusalsShowAboveTheDialogWhichStays)
{
    m.appendStreamRow("Video", "100%", "", "");
    QWidget* dialog = openAddStream();
    pickType(Qt::Key_Up);
    press(Qt::Key_Return);
    ASSERT_TRUE(UiNorv::window("Norv_error") && QTest::qWaitForWindowExposed(UiNorv::window("Norv_error")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(shownError(), "Numero massimo di flussi video consentiti: 1");
    EXPECT_TRUE(onTop(button("Norv_error", "Riprendi")));
    resume("AddStream");
    EXPECT_EQ(m.streamlist.listCount(), 1);

    pickType(Qt::Key_Down);
    paste(streamValue(), megabyteOf("1234567890"));
    press(Qt::Key_Return);
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    EXPECT_TRUE(dialog->isVisible());
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

// The double-clicks and their keys: on a row (Enter on the list) the
// allocation, on the disk space (Ctrl+Enter; a plain Enter does nothing) the
// space the streams need.
TEST_F(StreamColumnsUi, DoubleClicksAndTheirKeysActOnTheirFields)
{
    // A disk space whose bits leave the double range: reported.
    paste(field("diskspace"), "1E308");
    doubleClick(types->viewport(), rowCentre(types, 99));
    EXPECT_EQ(shownError(), runTimeError("Overflow"));
    resume();

    paste(field("diskspace"), "100000000");
    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
    EXPECT_EQ(m.dimensiontype.item(0), "bit/s");
    expectMainShowsModel(m, "the allocation");

    QLineEdit* disk = field("diskspace");
    type(disk, "*5");
    press(Qt::Key_Return);
    EXPECT_EQ(disk->text(), "5");
    QWindow* window = disk->window()->windowHandle();
    QTest::mouseDClick(window, Qt::LeftButton, {}, window->mapFromGlobal(disk->mapToGlobal(QPoint(4, 4))));
    EXPECT_EQ(disk->text(), "100000000");
    type(disk, "*5");
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(disk->text(), "100000000");
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse as the user moves it: the stream list's selection and a press
// that lights up the fields the result depends on however it ends. (The
// double-clicks and their keys: streams_ui_test.cpp; the wheel on a slider:
// typing_ui_test.cpp.)
#include "widget_harness.h"

#include "language_options/norv_option.h"

#include <QMenu>
#include <QTimer>

#include <functional>

namespace norv::test {
namespace {

QPoint rowAt(int row) { return column("streamlist")->visualItemRect(column("streamlist")->item(row)).center(); }

void click(QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(column("streamlist")->viewport(), Qt::LeftButton, modifiers, at);
}

TEST(StreamListSelection, TheRowShownSelectedIsAlwaysTheModelsAndRemoveTakesThatOne)
{
    // State: three rows.
    UiNorv norv;
    Norv_main& m = norv.model();
    for (const char* type : {"Video", "Audio", "Subtitles"})
        m.appendStreamRow(type, "", "1000", "bit/s");
    QListWidget* list = column("streamlist");
    list->setFocus(Qt::TabFocusReason);
    // Action: each of these, in turn. Expected: the one row shown selected,
    // or none, is the model's selection.
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"click", [] { click(rowAt(1)); }},
        {"Ctrl+click on the selected row", [] { click(rowAt(1), Qt::ControlModifier); }},
        {"Down", [] { press(Qt::Key_Down); }},
        {"Shift+click", [] { click(rowAt(2), Qt::ShiftModifier); }},
        {"Home", [] { press(Qt::Key_Home); }},
        {"Ctrl+Space", [] { press(Qt::Key_Space, Qt::ControlModifier); }},
        {"End", [] { press(Qt::Key_End); }},
        {"click below the last row", [list] { click(QPoint(4, list->viewport()->height() - 4)); }},
        {"Up", [] { press(Qt::Key_Up); }},
        {"Ctrl+click on another row", [] { click(rowAt(0), Qt::ControlModifier); }},
        {"Ctrl+click on it again", [] { click(rowAt(0), Qt::ControlModifier); }},
    };
    for (const auto& [what, action] : actions) {
        action();
        QList<int> shown;
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
            shown << index.row();
        EXPECT_EQ(shown, m.streamlist.listIndex() < 0 ? QList<int>{} : QList<int>{m.streamlist.listIndex()}) << what;
    }
    // Action: row 1 clicked, then Ctrl+clicked; Remove. Expected: nothing
    // was shown selected, so nothing is removed.
    click(rowAt(1));
    click(rowAt(1), Qt::ControlModifier);
    platformClick(button("Norv_main", "RemoveStreamButton"));
    EXPECT_EQ(list->count(), 3);
}

// Pressing the disk space lights up what the space the streams need
// depends on: the length, the frame rate, the container (overhead on) and
// the stream list; the release paints them white.
class PressEnds : public ::testing::TestWithParam<const char*> {};

QList<QColor> lit()
{
    QList<QColor> colours;
    for (const char* name : {"lenght", "framerate", "containerselector", "streamlist"})
        colours << UiNorv::widget("Norv_main", name)->palette().color(QPalette::Active, QPalette::Base);
    return colours;
}
TEST_P(PressEnds, EveryHighlightIsRestoredHoweverThePressEnds)
{
    const std::string end = GetParam();
    // State: overhead on, a length.
    UiNorv norv;
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
    QWidget* main = UiNorv::window("Norv_main");
    activate(main);
    type("lenght", "*100");
    const QColor red(255, 127, 127);
    const QList<QColor> highlighted{red, red, red, red};
    const QList<QColor> white(4, QColor(Qt::white));
    QLineEdit* disk = field("diskspace");
    QWindow* window = main->windowHandle();
    const QPoint at = window->mapFromGlobal(disk->mapToGlobal(QPoint(4, 4)));

    // Action: the right button pressed on the disk space; its context menu
    // opens and takes the release; Escape closes the menu. Expected: the
    // fields are white while the menu is open.
    if (end == "context menu") {
        QList<QColor> whileMenuOpen;
        QTimer::singleShot(0, [&] {
            whileMenuOpen = lit();
            if (QWidget* menu = QApplication::activePopupWidget()) {
                QTest::mouseRelease(menu->windowHandle(), Qt::RightButton, {}, QPoint(-5, -5));
                menu->close();
            }
        });
        QTest::mousePress(window, Qt::RightButton, {}, at);
        EXPECT_EQ(whileMenuOpen, white);
        EXPECT_EQ(lit(), white);
        return;
    }
    // Action: the left button pressed; the press ends in one of the ways.
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    ASSERT_EQ(lit(), highlighted);
    if (end == "release")
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    else if (end == "Escape")
        press(Qt::Key_Escape);
    else if (end == "focus moved")
        field("fwidth")->setFocus(Qt::OtherFocusReason);
    else if (end == "pointer left the window")
        QApplication::sendEvent(main, std::make_unique<QEvent>(QEvent::Leave).get());
    // Expected: white again.
    EXPECT_EQ(lit(), white);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
}

INSTANTIATE_TEST_SUITE_P(Ends, PressEnds,
                         ::testing::Values("release", "context menu", "Escape", "focus moved",
                                           "pointer left the window"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as start-up leaves it, the windows beside it, the tab
// order, and the two ways the user ends the program: Termina in the error
// window, or the main window's frame close.
#include "widget_harness.h"

#include <QTimer>

#include <algorithm>
#include <tuple>

namespace norv::test {
namespace {

// The start figures are the logic tests' part; here what only the widgets
// show: the container entries, what takes no input, and the focus.
TEST(MainWindowUi, StartsWithTheStartStateAndTheFocusInTheDiskSpace)
{
    UiNorv norv;
    auto* container = UiNorv::widget<QComboBox>("Norv_main", "containerselector");
    EXPECT_EQ((QStringList{container->currentText(), container->itemText(1), container->itemText(2),
                           QString::number(container->count())}),
              (QStringList{"AVI", "", "OGM", "3"}));
    EXPECT_FALSE(container->isEnabled() || field("videoquality")->isEnabled() ||
                 slider("videoqualitys")->isEnabled() || field("properror")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field("diskspace"));
    expectMainShowsModel(norv.model(), "start-up");
}

TEST(MainWindowUi, OptionsAndAboutOpenBesideAndOptionsOnlyOnce)
{
    // Action: Option, overhead on, About (the main window still takes
    // clicks), Option again.
    UiNorv norv;
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
    platformClick(button("Norv_main", "About"));
    ASSERT_TRUE(UiNorv::window("AboutForm") && UiNorv::window("AboutForm")->isVisible());
    platformClick(button("Norv_main", "Option"));
    // Expected: one Options window; the overhead reached the main window.
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->objectName() == "Norv_option"; }), 1);
    EXPECT_TRUE(UiNorv::widget("Norv_main", "containerselector")->isEnabled());
}

// With overhead on and a video bitrate, so that every control of the order
// is enabled, Tab once round the window: never into the display-only stream
// columns; the widget and the model agree on where the focus is.
TEST(MainWindowUi, TabWalksTheInputsInOrder)
{
    UiNorv norv;
    norv.model().containerselector.setEnabled(true);
    addVideoRow(norv.model(), "1000000");
    const char* const order[] = {"lenght", "framerate", "containerselector", "prop1", "prop2", "xdivisible",
                                 "ydivisible", "AddStreamButton", "RemoveStreamButton", "streamlist", "fwidth",
                                 "fheight", "videoquality", "About", "fwidths", "fheights", "videoqualitys", "Option",
                                 "diskspace"};
    field("diskspace")->setFocus(Qt::OtherFocusReason);
    for (const char* expected : order) {
        press(Qt::Key_Tab);
        const Control* active = norv.model().activeControl();
        EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "", QString(expected));
        EXPECT_EQ(active ? active->name() : "", std::string(expected));
    }
}

class MainWindowEndUi : public ::testing::TestWithParam<bool> {};

TEST_P(MainWindowEndUi, EveryWindowClosesAndTheProgramEnds)
{
    // State: the side windows open; for Termina, a run-time error shown.
    const bool termina = GetParam();
    UiNorv norv;
    platformClick(button("Norv_main", "Option"));
    platformClick(button("Norv_main", "About"));
    if (termina) {
        type("xdivisible", "*16px");
        ASSERT_FALSE(shownError().isEmpty());
    }
    // Action: Termina, or the main window's frame close.
    QTimer::singleShot(0, [termina] {
        if (termina)
            QTest::mouseClick(button("Norv_error", "Termina"), Qt::LeftButton);
        else
            UiNorv::window("Norv_main")->close();
    });
    QTimer::singleShot(10000, UiNorv::window("Norv_main"), [] { QCoreApplication::exit(1); }); // gone with the window
    EXPECT_EQ(QApplication::exec(), 0) << "still running";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Expected: the program ended and no window is left.
    EXPECT_FALSE(norv.app.running());
    for (const char* name : {"Norv_main", "Norv_error", "Norv_option", "AboutForm", "AddStream"})
        EXPECT_EQ(UiNorv::window(name), nullptr) << name;
}

INSTANTIATE_TEST_SUITE_P(Ends, MainWindowEndUi, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Termina" : "MainWindowClosed"; });

} // namespace
} // namespace norv::test

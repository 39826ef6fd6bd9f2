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

class MainWindowUi : public ::testing::TestWithParam<bool> {};

TEST_P(MainWindowUi, StartStateSideWindowsTabOrderAndEnd)
{
    const bool termina = GetParam();
    UiNorv norv;
    // Expected: the widgets show the start state, the focus in diskspace.
    const auto text = [](const char* name) { return field(name)->text(); };
    EXPECT_EQ((QStringList{text("framerate"), text("properror"), text("fwidth"), text("fheight")}),
              (QStringList{"25", "0%", "720", "576"}));
    for (const auto& [name, value] : {std::pair{"fwidths", 720}, {"fheights", 576}})
        EXPECT_EQ(std::tuple(slider(name)->minimum(), slider(name)->maximum(), slider(name)->value()),
                  std::tuple(1, 2000, value));
    auto* container = UiNorv::widget<QComboBox>("Norv_main", "containerselector");
    EXPECT_EQ((QStringList{container->currentText(), container->itemText(1), container->itemText(2),
                           QString::number(container->count())}),
              (QStringList{"AVI", "", "OGM", "3"}));
    EXPECT_FALSE(container->isEnabled() || field("videoquality")->isEnabled() ||
                 slider("videoqualitys")->isEnabled() || field("properror")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field("diskspace"));

    // Action: Option, overhead on, About (the main window still takes
    // clicks), Option again. Expected: one Options window.
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
    platformClick(button("Norv_main", "About"));
    ASSERT_TRUE(UiNorv::window("AboutForm") && UiNorv::window("AboutForm")->isVisible());
    platformClick(button("Norv_main", "Option"));
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->objectName() == "Norv_option"; }), 1);

    // Action: with a video bitrate, so that every control of the order is
    // enabled, Tab once round the window. Expected: never into the
    // display-only stream columns; the widget and the model agree on where
    // the focus is.
    QWidget* main = UiNorv::window("Norv_main");
    activate(main);
    addVideoRow(norv.model(), "1000000");
    const char* const order[] = {"lenght", "framerate", "containerselector", "prop1", "prop2", "xdivisible",
                                 "ydivisible", "AddStreamButton", "RemoveStreamButton", "streamlist", "fwidth",
                                 "fheight", "videoquality", "About", "fwidths", "fheights", "videoqualitys", "Option",
                                 "diskspace"};
    field("diskspace")->setFocus(Qt::OtherFocusReason);
    for (const char* expected : order) {
        press(Qt::Key_Tab);
        ASSERT_TRUE(QApplication::focusWidget() && norv.model().activeControl());
        EXPECT_EQ(QApplication::focusWidget()->objectName(), expected);
        EXPECT_EQ(norv.model().activeControl()->name(), expected);
    }

    // Action: a run-time error, then Termina; or the main window closed.
    if (termina) {
        type("xdivisible", "*16px");
        ASSERT_FALSE(shownError().isEmpty());
    }
    QTimer::singleShot(0, [termina] {
        if (termina)
            QTest::mouseClick(button("Norv_error", "Termina"), Qt::LeftButton);
        else
            UiNorv::window("Norv_main")->close();
    });
    QTimer::singleShot(10000, main, [] { QCoreApplication::exit(1); }); // gone with the window
    EXPECT_EQ(QApplication::exec(), 0) << "still running";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Expected: the program ended and no window is left.
    EXPECT_FALSE(norv.app.running());
    for (const char* name : {"Norv_main", "Norv_error", "Norv_option", "AboutForm", "AddStream"})
        EXPECT_EQ(UiNorv::window(name), nullptr) << name;
}

INSTANTIATE_TEST_SUITE_P(Ends, MainWindowUi, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Termina" : "MainWindowClosed"; });

} // namespace
} // namespace norv::test

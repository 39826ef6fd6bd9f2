// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as start-up leaves it, the tab order, and the windows
// beside the main one.
#include "widget_harness.h"

#include <QTimer>

#include <algorithm>
#include <tuple>

namespace norv::test {
namespace {

TEST(MainWindowUi, StartUpShowsTheStartStateInRealWidgets)
{
    SettingsDir settings;
    UiNorv norv(settings);

    EXPECT_EQ(UiNorv::window("Norv_main")->windowTitle(), "Norv2");
    const std::pair<const char*, const char*> texts[] = {
        {"framerate", "25"}, {"properror", "0%"}, {"fwidth", "720"}, {"fheight", "576"}};
    for (const auto& [name, text] : texts)
        EXPECT_EQ(field(name)->text(), text) << name;
    for (const auto& [name, value] : {std::pair{"fwidths", 720}, std::pair{"fheights", 576}}) {
        const QSlider* s = slider(name);
        EXPECT_EQ(std::tuple(s->minimum(), s->maximum(), s->value()), std::tuple(1, 2000, value)) << name;
        EXPECT_TRUE(s->toolTip().isEmpty()) << name; // no value tip while dragged
    }
    auto* container = UiNorv::widget<QComboBox>("Norv_main", "containerselector");
    ASSERT_EQ(container->count(), 3);
    EXPECT_EQ((QStringList{container->itemText(0), container->itemText(1), container->itemText(2)}),
              (QStringList{"AVI", "", "OGM"}));
    EXPECT_EQ(container->currentText(), "AVI");
    EXPECT_FALSE(container->isEnabled());
    EXPECT_FALSE(field("videoquality")->isEnabled());
    EXPECT_FALSE(slider("videoqualitys")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field("diskspace"));
    // The proportion error is shown on the menu colour and takes no input.
    EXPECT_FALSE(field("properror")->isEnabled());
    EXPECT_EQ(field("properror")->palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette("QMenu").color(QPalette::Window));
}

TEST(MainWindowUi, TabKeyWalksTheDesignOrderAndTheModelFollows)
{
    // State: overhead on and a video bitrate, so that every control of the
    // order is enabled and takes the focus.
    SettingsDir settings;
    UiNorv norv(settings);
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
    activate(UiNorv::window("Norv_main"));
    addVideoRow(norv.model(), "1000000");

    // Action: Tab, control by control, once round the window; the display-only
    // stream columns are never among them. The arrows in the container list.
    const char* const order[] = {"lenght",       "framerate",    "containerselector", "prop1",
                                 "prop2",        "xdivisible",   "ydivisible",        "AddStreamButton",
                                 "RemoveStreamButton",           "streamlist",        "fwidth",
                                 "fheight",      "videoquality", "About",             "fwidths",
                                 "fheights",     "videoqualitys", "Option",           "diskspace"};
    field("diskspace")->setFocus(Qt::OtherFocusReason);
    for (const char* expected : order) {
        press(Qt::Key_Tab);
        // Expected: the widget and the model agree on where the focus is.
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), expected);
        ASSERT_NE(norv.model().activeControl(), nullptr);
        EXPECT_EQ(norv.model().activeControl()->name(), expected);
        if (norv.model().activeControl() == &norv.model().containerselector) {
            press(Qt::Key_Down);
            press(Qt::Key_Down);
            EXPECT_EQ(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->currentText(), "OGM");
            EXPECT_EQ(norv.model().containerselector.listIndex(), 2);
        }
    }
}

// How the user ends the program: Termina in the error window, or the main
// window's frame close.
class ProgramEndUi : public ::testing::TestWithParam<bool> {};

TEST_P(ProgramEndUi, OptionAndAboutOpenModelessThenEveryWindowCloses)
{
    const bool termina = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    QWidget* main = UiNorv::window("Norv_main");
    QWidget* options = UiNorv::window("Norv_option");
    ASSERT_NE(options, nullptr) << "made hidden by the start-up's language step";

    // Action: Option, About (the main window still takes clicks), Option again.
    platformClick(button("Norv_main", "Option"));
    EXPECT_TRUE(options->isVisible());
    activate(main);
    platformClick(button("Norv_main", "About"));
    ASSERT_TRUE(UiNorv::window("AboutForm") && UiNorv::window("AboutForm")->isVisible());
    platformClick(button("Norv_main", "Option"));
    // Expected: one Options window, brought forward.
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->objectName() == "Norv_option"; }), 1);

    // Action: a run-time error, then Termina; or the main window closed.
    if (termina) {
        activate(main);
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

INSTANTIATE_TEST_SUITE_P(Ends, ProgramEndUi, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Termina" : "MainWindowClosed"; });

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the focus goes and what the keys do in the small windows: the error
// window that no key press ends Norv from unseen, Escape, centred windows,
// and a focus ring wherever the focus is. (The Add Stream dialog's keys:
// streams_ui_test.cpp.)
#include "widget_harness.h"

#include <QGroupBox>

#include <functional>

namespace norv::test {
namespace {

QWidget* showError()
{
    type("xdivisible", "*16p");
    QWidget* error = UiNorv::window("Norv_error");
    EXPECT_TRUE(error && error->isVisible());
    return error;
}

TEST(ErrorWindowKeys, OpensOnRiprendiAndNoKeyPressEndsNorv)
{
    // State: a stream in the list, the English captions of a first run.
    UiNorv norv;
    norv.model().appendStreamRow("Audio", "", "128000", "bit/s");
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        // Action: a size multiple that cannot be read, then one key.
        QWidget* error = showError();
        ASSERT_TRUE(error);
        // Expected: the focus, drawn, on Riprendi, the default button; the
        // key hides the window and the plan is still there.
        QPushButton* riprendi = button("Norv_error", "Riprendi");
        EXPECT_EQ(error->focusWidget(), riprendi);
        EXPECT_TRUE(riprendi->isDefault());
        activate(error);
        press(key);
        ASSERT_TRUE(norv.app.running()) << "one key ended Norv: " << key;
        EXPECT_FALSE(error->isVisible()) << key;
        EXPECT_EQ(column("streamlist")->count(), 1) << key;
        activate(UiNorv::window("Norv_main"));
    }

    // Action: the window closed with its frame's close control, which
    // destroys it; the next error. Expected: made again, in English.
    UiNorv::window("Norv_error")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(UiNorv::window("Norv_error"), nullptr);
    QWidget* again = showError();
    EXPECT_EQ(again->windowTitle(), "Norv error");
    EXPECT_EQ((QStringList{button("Norv_error", "Termina")->text(), button("Norv_error", "Riprendi")->text(),
                           UiNorv::widget<QGroupBox>("Norv_error", "Frame1")->title()}),
              (QStringList{"Close", "Continue", "Error description"}));
    EXPECT_EQ(again->focusWidget(), button("Norv_error", "Riprendi"));
}

TEST(SmallWindows, OpenCentredOverTheMainWindowAndEscapeClosesOptionsAndAbout)
{
    UiNorv norv;
    QWidget* main = UiNorv::window("Norv_main");
    const auto expectCentred = [main](const char* name) {
        QWidget* window = UiNorv::window(name);
        ASSERT_TRUE(window && window->isVisible()) << name;
        const QPoint offset = window->geometry().center() - main->geometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << name << " is off centre by " << offset.x() << ", " << offset.y();
    };
    for (const char* name : {"Option", "About"}) {
        const char* window = name == std::string("About") ? "AboutForm" : "Norv_option";
        platformClick(button("Norv_main", name));
        expectCentred(window);
        activate(UiNorv::window(window));
        // The About window has no control to take the focus: keys go to the window.
        QTest::keyClick(UiNorv::window(window)->windowHandle(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(UiNorv::window(window), nullptr) << window << " stays after Escape";
        activate(main);
    }
    platformClick(button("Norv_main", "AddStreamButton"));
    expectCentred("AddStream");
    UiNorv::window("AddStream")->close();
    showError();
    expectCentred("Norv_error");
}

// Every control the Tab key would reach in the window, found without
// pressing it (a Tab press makes the style draw focus from then on).
QWidgetList tabStops(QWidget* window)
{
    QWidgetList stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) && !w->focusProxy())
            stops << w;
    return stops;
}

TEST(FocusRing, EveryControlTheTabKeyReachesShowsThatItHasTheFocus)
{
    // State: a video stream, so that every control of the main window is
    // enabled; then each window open in turn.
    UiNorv norv;
    addVideoRow(norv.model(), "1000000");
    const std::function<QWidget*()> windows[] = {
        [] { return UiNorv::window("Norv_main"); },
        [] {
            platformClick(button("Norv_main", "Option"));
            return UiNorv::window("Norv_option");
        },
        [] {
            activate(UiNorv::window("Norv_main"));
            platformClick(button("Norv_main", "AddStreamButton"));
            return UiNorv::window("AddStream");
        },
        [] {
            press(Qt::Key_Up);
            press(Qt::Key_Return); // a second video stream, refused
            return UiNorv::window("Norv_error");
        },
    };
    for (const auto& open : windows) {
        QWidget* window = open();
        const QWidgetList stops = tabStops(window);
        ASSERT_GE(stops.size(), 2) << window->objectName().toStdString();
        // Action: the focus put into each stop as a click or the program
        // puts it, and away. Expected: the stop looks different with it.
        activate(window);
        for (QWidget* stop : stops) {
            QWidget* other = stops.at((stops.indexOf(stop) + 1) % stops.size());
            other->setFocus(Qt::MouseFocusReason);
            const QImage without = stop->grab().toImage();
            stop->setFocus(Qt::MouseFocusReason);
            EXPECT_NE(stop->grab().toImage(), without) << stop->objectName().toStdString() << " shows no focus";
        }
    }
}

} // namespace
} // namespace norv::test

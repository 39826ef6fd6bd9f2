// SPDX-License-Identifier: GPL-3.0-or-later
// The planning helpers as the user reaches them: the entries added to the
// fields' own context menus and to the stream list's, their shortcuts, the
// helper windows' keys, and what reaches the main window's fields and the
// clipboard. How each value is computed is the logic tests' part.
#include "widget_harness.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace norv::test {
namespace {

// A right-click on the widget, delivered through its window as the platform
// does; the menu it opens.
QMenu* contextMenu(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseClick(window, Qt::RightButton, {}, window->mapFromGlobal(widget->mapToGlobal(widget->rect().center())));
    QTest::qWait(0);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// A click on the menu's entry of that name.
void choose(QMenu* menu, const char* entry)
{
    ASSERT_TRUE(menu && menu->isVisible()) << "no menu for " << entry;
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String(entry)) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            // A submenu opens after the style's short delay.
            if (action->menu()) {
                EXPECT_TRUE(QTest::qWaitFor([action] { return action->menu()->isVisible(); }, 2000));
            }
            QTest::qWait(0);
            return;
        }
    }
    FAIL() << "no entry " << entry;
}

// The helper window shown over the middle of the main window, made the
// active one, its first field focused.
QWidget* helper(const char* name, const char* first)
{
    QWidget* window = UiNorv::window(name);
    EXPECT_TRUE(window && window->isVisible()) << name;
    if (!window || !window->isVisible())
        return nullptr;
    const QPoint offset = window->geometry().center() - UiNorv::window("Norv_main")->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << name << " is off centre by " << offset.x() << ", " << offset.y();
    activate(window);
    EXPECT_EQ(QApplication::focusWidget(), UiNorv::widget(name, first)) << name << " opens elsewhere";
    return window;
}

// Keys typed where the focus is.
void keys(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::qWait(0);
}

// The shortcut pressed with the focus in a field of the main window.
void shortcut(const char* from, Qt::Key key)
{
    activate(UiNorv::window("Norv_main"));
    field(from)->setFocus(Qt::TabFocusReason);
    press(key, Qt::ControlModifier | Qt::ShiftModifier);
}

TEST(Helpers, SizesLengthsAndRatesFromTheFieldsMenusAndShortcuts)
{
    UiNorv norv;
    // Action: the disk space's own menu, the helper's entry; 700 (MB), Enter.
    choose(contextMenu(field("diskspace")), "sizehelper");
    ASSERT_TRUE(helper("Norv_size", "sizevalue"));
    keys("700");
    press(Qt::Key_Return);
    // Expected: the bytes in the field, the helper gone.
    EXPECT_EQ(field("diskspace")->text(), "700000000");
    EXPECT_FALSE(UiNorv::window("Norv_size")->isVisible());

    // Action: its shortcut from another field; MiB, one below MB.
    shortcut("lenght", Qt::Key_S);
    ASSERT_TRUE(helper("Norv_size", "sizevalue"));
    keys("700");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(field("diskspace")->text(), "734003200");

    // Action: a DVD single layer, six entries below MB; its number unused.
    shortcut("diskspace", Qt::Key_S);
    ASSERT_TRUE(helper("Norv_size", "sizevalue"));
    press(Qt::Key_Tab);
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Down);
    EXPECT_FALSE(UiNorv::widget("Norv_size", "sizevalue")->isEnabled());
    press(Qt::Key_Return);
    EXPECT_EQ(field("diskspace")->text(), "4700372992");

    // Action: the length's menu, then its shortcut; Escape cancels.
    choose(contextMenu(field("lenght")), "lengthhelper");
    ASSERT_TRUE(helper("Norv_length", "lengthvalue"));
    keys(UiNorv::dec("1:30:00"));
    press(Qt::Key_Return);
    EXPECT_EQ(field("lenght")->text(), "5400");
    shortcut("framerate", Qt::Key_L);
    ASSERT_TRUE(helper("Norv_length", "lengthvalue"));
    keys("99");
    press(Qt::Key_Escape);
    EXPECT_FALSE(UiNorv::window("Norv_length")->isVisible());
    EXPECT_EQ(field("lenght")->text(), "5400");

    // Action: 23.976 from the frame rate's menu of common rates.
    choose(contextMenu(field("framerate")), "commonrates");
    choose(UiNorv::widget<QMenu>("Norv_main", "rates"), "rates(0)");
    EXPECT_EQ(field("framerate")->text(), UiNorv::dec("23.976023976024"));
    expectMainShowsModel(norv.model(), "the helpers");
}

TEST(Helpers, CaptionsAndRefusalsFollowTheLanguage)
{
    UiNorv norv;
    shortcut("diskspace", Qt::Key_S);
    ASSERT_TRUE(helper("Norv_size", "sizevalue"));
    press(Qt::Key_Escape);

    // Action: Italiano in the Options window, with the size helper hidden.
    activate(UiNorv::window("Norv_main"));
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QRadioButton>("Norv_option", "lingua(0)"));
    // Expected: the helper that exists, the menu entries, and a helper made
    // afterwards, in Italian.
    EXPECT_EQ(UiNorv::window("Norv_size")->windowTitle(), "Spazio su disco in unit\u00E0 o dischi");
    EXPECT_EQ(UiNorv::window("Norv_main")->findChild<QAction*>("copyplan")->text(), "Copia il piano come testo");
    EXPECT_EQ(UiNorv::window("Norv_length"), nullptr);
    shortcut("diskspace", Qt::Key_L);
    ASSERT_TRUE(helper("Norv_length", "lengthvalue"));
    EXPECT_EQ(UiNorv::window("Norv_length")->windowTitle(), "Lunghezza in h:mm:ss o fotogrammi");
    press(Qt::Key_Return);
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_length", "message")->text(), "Scrivi un valore.");
}

TEST(Helpers, SecondTryAndThePlanFromTheStreamListsMenu)
{
    // State: 700000000 bytes over 60 s, the video at 100% beside an audio
    // stream, shared out with Enter on the list.
    UiNorv norv;
    Norv_main& m = norv.model();
    paste(field("diskspace"), "700000000");
    paste(field("lenght"), "60");
    m.appendStreamRow("Video", "100%", "", "");
    m.appendStreamRow("Audio", "", "128000", "bit/s");
    const auto shareOut = [] {
        activate(UiNorv::window("Norv_main"));
        column("streamlist")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
    };
    shareOut();
    EXPECT_EQ(column("streamdimension")->item(0)->text(), "93205333");

    // Action: the second try from the list's menu, a file 2% over.
    choose(contextMenu(column("streamlist")), "secondtry");
    ASSERT_TRUE(helper("Norv_retry", "realsize"));
    keys("714000000");
    EXPECT_TRUE(UiNorv::widget<QLabel>("Norv_retry", "arithmetic")->text().endsWith("= 686000000 bytes\n"));
    press(Qt::Key_Return);
    // Expected: the target 2% under; Enter on the list plans the lower bitrate.
    EXPECT_EQ(field("diskspace")->text(), "686000000");
    shareOut();
    EXPECT_EQ(column("streamdimension")->item(0)->text(), "91338666");

    // Action: the plan copied from the list's menu; the command lines by shortcut.
    choose(contextMenu(column("streamlist")), "copyplan");
    const QString plan = QApplication::clipboard()->text();
    EXPECT_TRUE(plan.contains("Diskspace\t686000000\tbytes\n")) << plan.toStdString();
    EXPECT_TRUE(plan.endsWith("Stream\nVideo\t100%\t91338666\tbit/s\nAudio\t\t128000\tbit/s\n")) << plan.toStdString();
    activate(UiNorv::window("Norv_main"));
    column("streamlist")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("-b:v 91338666 -pass 2")) << QApplication::clipboard()->text().toStdString();
}

// The helpers' keys do not take a key the fields or lists already use.
TEST(Helpers, ShortcutsLeaveTheToolkitsEditingKeysAndTheDoubleClickKeysAlone)
{
    UiNorv norv;
    QList<QKeySequence> taken = {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)};
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Backspace; ++key)
        taken << QKeySequence::keyBindings(QKeySequence::StandardKey(key));
    const QList<QAction*> actions = UiNorv::window("Norv_main")->actions();
    EXPECT_EQ(actions.size(), 5);
    for (QAction* action : actions) {
        EXPECT_FALSE(action->shortcut().isEmpty() || taken.contains(action->shortcut())) << action->objectName().toStdString();
        taken << action->shortcut();
    }
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Norv started with its real widgets, and what a user does with them.
#pragma once

#include "ui/session.h"

#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace norv::test {

// Makes a window the active one, as the user's click on it would. Xvfb has
// no window manager to do it, and keyboard focus moves need an active window.
inline void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QTest::qWait(0);
}

// Norv with its real widgets, in the user's locale as the process sees it
// (LC_ALL), over the given settings directory or a fresh one of its own, so
// that runs never see the user's settings.
class UiNorv : public ui::Session {
public:
    explicit UiNorv(const QString& settingsDir = {})
    {
        qputenv("XDG_CONFIG_HOME", (settingsDir.isEmpty() ? m_ownSettings.path() : settingsDir).toLocal8Bit());
        Start(app);
        activate(window("Norv_main"));
    }

    Norv_main& model() { return *app.find<Norv_main>(); }

    // A shown or hidden top-level window by its name, or null.
    static QWidget* window(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return w;
        return nullptr;
    }

    template <class W = QWidget>
    static W* widget(const char* top, const char* name)
    {
        return window(top) ? window(top)->findChild<W*>(QLatin1String(name)) : nullptr;
    }

    // The locale's text of a number written with a point.
    static QString dec(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

private:
    QTemporaryDir m_ownSettings;
};

inline QLineEdit* field(const char* name) { return UiNorv::widget<QLineEdit>("Norv_main", name); }
inline QSlider* slider(const char* name) { return UiNorv::widget<QSlider>("Norv_main", name); }
inline QListWidget* column(const char* name) { return UiNorv::widget<QListWidget>("Norv_main", name); }
inline QPushButton* button(const char* window, const char* name) { return UiNorv::widget<QPushButton>(window, name); }

// A click on the widget's middle (an option button's or check box's mark)
// delivered to its window as the platform does: a window blocked by a
// modal dialog drops it.
inline void platformClick(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    const bool mark = qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget);
    const QPoint at = mark ? QPoint(widget->height() / 2, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(widget->mapToGlobal(at)));
    QTest::qWait(0);
}

// Keys go where the keyboard focus is, as the platform sends them.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    QTest::qWait(0);
}

// Puts the focus into a widget as the Tab key would and types there, key by
// key. Besides plain characters: '*' selects all (Ctrl+A), '$' End,
// '<' Left, '{' Shift+Left, '\b' Backspace; '.' is the locale's separator.
inline void type(QWidget* widget, const QString& keys)
{
    static const std::map<QChar, std::pair<Qt::Key, Qt::KeyboardModifier>> special = {
        {'*', {Qt::Key_A, Qt::ControlModifier}}, {'$', {Qt::Key_End, Qt::NoModifier}},
        {'<', {Qt::Key_Left, Qt::NoModifier}}, {'{', {Qt::Key_Left, Qt::ShiftModifier}},
        {'\b', {Qt::Key_Backspace, Qt::NoModifier}}};
    widget->setFocus(Qt::TabFocusReason);
    for (const QChar c : keys) {
        if (const auto key = special.find(c); key != special.end())
            QTest::keyClick(widget, key->second.first, key->second.second);
        else
            QTest::keyClicks(widget, c == '.' ? QString(QLocale::system().decimalPoint()) : QString(c));
    }
}

inline void type(const char* name, const QString& keys) { type(field(name), keys); }

// Replaces a field's text through the clipboard, as a paste of a whole text.
inline void paste(QLineEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    type(edit, QStringLiteral("*"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

inline QString megabyteOf(const char* pattern) { return QString::fromLatin1(pattern).repeated(1 << 20).left(1 << 20); }

// The error window's message as the user sees it, or "" while it is hidden.
inline QString shownError()
{
    QWidget* window = UiNorv::window("Norv_error");
    return window && window->isVisible() ? UiNorv::widget<QLabel>("Norv_error", "errordescription")->text() : "";
}

inline QString runTimeError(const char* what) { return what ? QStringLiteral("Errore di Run-time: ") + what : ""; }

// Riprendi, then the window below is the user's again.
inline void resume(const char* below = "Norv_main")
{
    QPushButton* riprendi = button("Norv_error", "Riprendi");
    ASSERT_TRUE(riprendi && riprendi->isVisible());
    platformClick(riprendi);
    EXPECT_FALSE(UiNorv::window("Norv_error")->isVisible());
    activate(UiNorv::window(below));
}

// Tab (or Shift+Tab) until the named widget has the focus, as a user would;
// false when a whole round of the window never reaches it.
inline bool tabTo(const QString& name, Qt::KeyboardModifiers modifiers = {})
{
    for (int i = 0; i < 30 && QApplication::focusWidget(); ++i) {
        if (QApplication::focusWidget()->objectName() == name)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    }
    return false;
}

// Every field, slider and list of the main window shows what its model holds.
inline void expectMainShowsModel(const Norv_main& m, const char* after)
{
    for (Control* control : m.controls()) {
        const char* name = control->name().c_str();
        if (const auto* box = dynamic_cast<const TextBox*>(control)) {
            EXPECT_EQ(field(name)->text().toStdString(), box->text()) << name << " after " << after;
        } else if (const auto* s = dynamic_cast<const Slider*>(control)) {
            EXPECT_EQ(std::tuple(slider(name)->minimum(), slider(name)->maximum(), slider(name)->value()),
                      std::tuple(s->min(), s->max(), s->value())) << name << " after " << after;
        } else if (const auto* list = dynamic_cast<const ListBox*>(control)) {
            std::vector<std::string> shown;
            for (int i = 0; i < column(name)->count(); ++i)
                shown.push_back(column(name)->item(i)->text().toStdString());
            EXPECT_EQ(shown, list->items()) << name << " after " << after;
        }
        if (const auto* item = dynamic_cast<const MenuItem*>(control)) {
            const auto* action = UiNorv::window("Norv_main")->findChild<QAction*>(QLatin1String(name));
            ASSERT_TRUE(action) << name;
            EXPECT_EQ(std::tuple(action->text().toStdString(), action->isEnabled()),
                      std::tuple(item->caption(), item->enabled())) << name << " after " << after;
            continue;
        }
        EXPECT_EQ(UiNorv::widget("Norv_main", name)->isEnabled(), control->enabled()) << name << " after " << after;
    }
}

// A video row as the dialog appends it; the quality controls follow at the
// next refresh, here the frame rate typed again.
inline void addVideoRow(Norv_main& m, const char* size, const char* unit = "bit/s")
{
    m.appendStreamRow("Video", "", size, unit);
    type("framerate", "*25");
}

} // namespace norv::test

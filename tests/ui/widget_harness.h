// SPDX-License-Identifier: GPL-3.0-or-later
// Norv started with its real widgets, and what a user does with them.
#pragma once

#include "ui/desktop.h"
#include "ui/number_locale.h"
#include "ui/qt_settings_store.h"

#include "common/application.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace norv::test {

// A settings directory of its own, so runs never see the user's settings:
// for Norv's store (XDG_CONFIG_HOME) and for a test's own QSettings.
class SettingsDir {
public:
    SettingsDir() { use(); }
    void use() const
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Makes a window the active one, as the user's click on it would. Xvfb has
// no window manager to do it, and keyboard focus moves need an active window.
inline void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QTest::qWait(0);
}

// Norv with its real widgets, started over a settings directory, in the
// user's locale as the process sees it (LC_ALL).
class UiNorv {
public:
    explicit UiNorv(const SettingsDir& settings) : app(store, ui::systemNumberLocale()), desktop(app)
    {
        settings.use();
        Start(app);
        if (QWidget* main = window("Norv_main"))
            activate(main);
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
    static W* widget(const char* windowName, const char* name)
    {
        QWidget* top = window(windowName);
        return top ? top->findChild<W*>(QLatin1String(name)) : nullptr;
    }

    // The locale's text of a number written with a point.
    static QString dec(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

    ui::QtSettingsStore store;
    Application app;
    ui::Desktop desktop;
};

inline QLineEdit* field(const char* name) { return UiNorv::widget<QLineEdit>("Norv_main", name); }
inline QSlider* slider(const char* name) { return UiNorv::widget<QSlider>("Norv_main", name); }
inline QListWidget* column(const char* name) { return UiNorv::widget<QListWidget>("Norv_main", name); }
inline QPushButton* button(const char* window, const char* name) { return UiNorv::widget<QPushButton>(window, name); }

// A click delivered to the widget's window as the platform does: a window
// blocked by a modal dialog drops it.
inline void platformClick(QWidget* widget, QPoint at = {})
{
    if (at.isNull())
        at = widget->rect().center();
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(widget->mapToGlobal(at)));
    QTest::qWait(0);
}

// A real double-click: press, release, double-click, release.
inline void doubleClick(QWidget* target, QPoint at = QPoint(4, 4))
{
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
}

inline void doubleClickRow(int row)
{
    QListWidget* types = column("streamlist");
    types->scrollToItem(types->item(row));
    doubleClick(types->viewport(), types->visualItemRect(types->item(row)).center());
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
    widget->setFocus(Qt::TabFocusReason);
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case '*': QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier); break;
        case '$': QTest::keyClick(widget, Qt::Key_End); break;
        case '<': QTest::keyClick(widget, Qt::Key_Left); break;
        case '{': QTest::keyClick(widget, Qt::Key_Left, Qt::ShiftModifier); break;
        case '\b': QTest::keyClick(widget, Qt::Key_Backspace); break;
        case '.': QTest::keyClicks(widget, QLocale::system().decimalPoint()); break;
        default: QTest::keyClicks(widget, QString(c));
        }
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

// A megabyte of the pattern over and over, as a user might paste it.
inline QString megabyteOf(const char* pattern)
{
    return QString::fromLatin1(pattern).repeated((1 << 20) / int(qstrlen(pattern)) + 1).left(1 << 20);
}

// The error window's message as the user sees it, or "" while it is hidden.
inline QString shownError()
{
    QWidget* window = UiNorv::window("Norv_error");
    return window && window->isVisible() ? UiNorv::widget<QLabel>("Norv_error", "errordescription")->text()
                                         : QString();
}

inline QString runTimeError(const char* description)
{
    return description ? QStringLiteral("Errore di Run-time: ") + description : QString();
}

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
    for (int i = 0; i < 30; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (!now || now->objectName() == name)
            return now;
        QTest::keyClick(now, Qt::Key_Tab, modifiers);
    }
    return false;
}

// AddStreamButton clicked, or reached with Tab and pressed with Space; the
// modal dialog made the active window.
inline QDialog* openAddStream(bool keysAlone = false)
{
    if (!keysAlone)
        platformClick(button("Norv_main", "AddStreamButton"));
    else if (tabTo("AddStreamButton"))
        press(Qt::Key_Space);
    auto* dialog = qobject_cast<QDialog*>(UiNorv::window("AddStream"));
    if (dialog && dialog->isVisible()) {
        activate(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
}

enum class Type { Video, Audio, Subtitles };
enum class Sized { Bitrate, Bytes, Percent };

inline QRadioButton* sizeOption(Sized option)
{
    const QByteArray name = QStringLiteral("tipodimensione(%1)").arg(int(option)).toLatin1();
    return UiNorv::widget<QRadioButton>("AddStream", name.constData());
}

// The whole dialog round: open, choose the type with the arrows, click the
// option (choosing one replaces the value) or Space on it, type the value,
// press Enter.
inline void addStream(Type type, const QString& value, Sized option, bool keysAlone = false)
{
    QDialog* dialog = openAddStream(keysAlone);
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    if (!keysAlone)
        types->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(tabTo("streamtype"));
    for (int i = 0; i < 3 && types->currentIndex() != int(type); ++i)
        press(types->currentIndex() < int(type) ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(types->currentIndex(), int(type));
    if (!keysAlone)
        platformClick(sizeOption(option));
    else if (tabTo(sizeOption(option)->objectName()))
        press(Qt::Key_Space);
    ASSERT_TRUE(sizeOption(option)->isChecked());
    if (keysAlone) {
        ASSERT_TRUE(tabTo("dimensionestream"));
    }
    norv::test::type(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"), "*" + value);
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    activate(UiNorv::window("Norv_main"));
}

// A row straight into the model, where the dialog would only cost time.
inline void addRow(Norv_main& m, const char* type, const char* percent, const char* size, const char* unit)
{
    m.appendStreamRow(type, percent, size, unit);
}

// A video row as the dialog appends it; the quality controls follow at the
// next refresh, here the frame rate typed again.
inline void addVideoRow(Norv_main& m, const char* size, const char* unit = "bit/s")
{
    addRow(m, "Video", "", size, unit);
    type("framerate", "*25");
}

// The four working cells of a row, as shown.
inline QStringList rowOf(int row)
{
    QStringList cells;
    for (const char* name : {"streamlist", "streampercentual", "streamdimension", "dimensiontype"})
        cells << (row < column(name)->count() ? column(name)->item(row)->text() : QStringLiteral("<none>"));
    return cells;
}

// Row i of every column stands beside row i of the types, at one scroll
// position, after the pending layouts; codec stays empty beside them.
inline void expectSideBySide(const char* after)
{
    QTest::qWait(0);
    QListWidget* types = column("streamlist");
    const auto top = [](QListWidget* list, int row) {
        return list->viewport()->mapTo(list->window(), list->visualItemRect(list->item(row)).topLeft()).y();
    };
    EXPECT_EQ(column("codec")->count(), 0) << after;
    EXPECT_EQ(column("codec")->y(), types->y()) << after;
    for (const char* name : {"streampercentual", "streamdimension", "dimensiontype"}) {
        QListWidget* list = column(name);
        ASSERT_EQ(list->count(), types->count()) << name << " after " << after;
        EXPECT_EQ(list->verticalScrollBar()->value(), types->verticalScrollBar()->value())
            << name << " after " << after;
        for (int i = 0; i < types->count(); ++i)
            EXPECT_EQ(top(list, i), top(types, i)) << name << " row " << i << " after " << after;
    }
}

} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget_harness.h"

#include "common/control.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QSlider>

#include <ostream>
#include <string>

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace norv::test {

// A setting as an earlier run left it; write it before Norv starts.
inline void storeSetting(const char* key, const char* value)
{
    QSettings settings(QStringLiteral("Norv"), QStringLiteral("Norv"));
    settings.setValue(QStringLiteral("Options/") + QLatin1String(key), QLatin1String(value));
    settings.sync();
}

inline QLineEdit* field(const char* name) { return UiNorv::widget<QLineEdit>("Norv_main", name); }
inline QSlider* slider(const char* name) { return UiNorv::widget<QSlider>("Norv_main", name); }

// Makes a window the active one, as the user's click on it would. Xvfb has
// no window manager to do it, and keyboard focus moves need an active window.
inline void activate(QWidget* window)
{
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QTest::qWait(0);
}

// Types into a widget key by key. Besides plain characters: '*' selects all
// (Ctrl+A), '^' Home, '$' End, '<' Left, '{' Shift+Left, '\b' Backspace, and
// '.' is the locale's decimal separator.
inline void typeKeys(QWidget* widget, const QString& keys)
{
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case '*': QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier); break;
        case '^': QTest::keyClick(widget, Qt::Key_Home); break;
        case '$': QTest::keyClick(widget, Qt::Key_End); break;
        case '<': QTest::keyClick(widget, Qt::Key_Left); break;
        case '{': QTest::keyClick(widget, Qt::Key_Left, Qt::ShiftModifier); break;
        case '\b': QTest::keyClick(widget, Qt::Key_Backspace); break;
        case '.': QTest::keyClicks(widget, QLocale::system().decimalPoint()); break;
        default: QTest::keyClicks(widget, QString(c));
        }
    }
}

// Puts the focus into a field as the Tab key would and types there.
inline void typeInto(const char* name, const QString& keys)
{
    QLineEdit* edit = field(name);
    edit->setFocus(Qt::TabFocusReason);
    typeKeys(edit, keys);
}

// Both size multiples typed by the user.
inline void typeMultiples(const QString& multiple)
{
    typeInto("xdivisible", "*" + multiple);
    typeInto("ydivisible", "*" + multiple);
}

// A video row as the Add Stream dialog appends it; the quality controls follow
// at the next refresh, here the frame rate typed again.
inline void addVideoRow(UiNorv& norv, const std::string& bitrate)
{
    Norv_main& m = norv.model();
    m.streamlist.addItem("Video");
    m.streampercentual.addItem("");
    m.streamdimension.addItem(bitrate);
    m.dimensiontype.addItem("bit/s");
    typeInto("framerate", "*25");
}

// The error window's message as the user sees it, or "" while it is hidden.
inline QString shownError()
{
    QWidget* window = UiNorv::window("Norv_error");
    if (!window || !window->isVisible())
        return {};
    return UiNorv::widget<QLabel>("Norv_error", "errordescription")->text();
}

// Counts the runs of a control's event handler and still runs it.
class HandlerCount {
public:
    explicit HandlerCount(Handler& slot) : m_slot(slot), m_original(slot)
    {
        slot = [this] {
            ++m_count;
            m_original();
        };
    }
    ~HandlerCount() { m_slot = m_original; }
    HandlerCount(const HandlerCount&) = delete;
    HandlerCount& operator=(const HandlerCount&) = delete;
    int count() const { return m_count; }

private:
    Handler& m_slot;
    Handler m_original;
    int m_count = 0;
};

} // namespace norv::test

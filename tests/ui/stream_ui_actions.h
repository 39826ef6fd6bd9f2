// SPDX-License-Identifier: GPL-3.0-or-later
// What a user does with the stream list and the Add Stream dialog, through
// real widgets. Clicks that must respect window modality go through the
// window's QWindow, as the platform delivers them.
#pragma once

#include "widget_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QWindow>

namespace norv::test {

// Xvfb without a window manager activates nothing by itself.
inline void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QTest::qWait(0);
}

// A click in the middle of a widget, delivered to its window as the platform
// does: a window blocked by a modal dialog drops it.
inline void platformClick(QWidget* widget, QPoint at = {})
{
    if (at.isNull())
        at = widget->rect().center();
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(widget->mapToGlobal(at)));
    QTest::qWait(0);
}

// A real double-click: press, release, double-click, release.
inline void doubleClick(QWidget* target, QPoint at)
{
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
}

// Keys go where the keyboard focus is, as the platform sends them.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Replaces a field's text the way a user does: click into it, select all, type.
inline void retype(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

inline QDialog* addStreamDialog() { return qobject_cast<QDialog*>(UiNorv::window("AddStream")); }

// Presses AddStreamButton and waits for the modal dialog.
inline QDialog* openAddStream()
{
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "AddStreamButton"));
    QDialog* dialog = addStreamDialog();
    if (dialog && dialog->isVisible()) {
        activate(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
}

enum class Type { Video = 0, Audio = 1, Subtitles = 2 };
enum class Sized { Bitrate = 0, Bytes = 1, Percent = 2 };

inline QRadioButton* sizeOption(Sized option)
{
    const QString name = QStringLiteral("tipodimensione(%1)").arg(int(option));
    return UiNorv::widget<QRadioButton>("AddStream", name.toLatin1().constData());
}

// The whole dialog round: open, choose the type with the keyboard, click the
// option, type the value, press Enter.
inline void addStream(Type type, const QString& value, Sized option)
{
    QDialog* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    types->setFocus(Qt::TabFocusReason);
    for (int i = types->currentIndex(); i != int(type); i += i < int(type) ? 1 : -1)
        press(i < int(type) ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(types->currentIndex(), int(type));
    // The option first: choosing one replaces the value.
    platformClick(sizeOption(option));
    retype(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"), value);
    press(Qt::Key_Return);
    QTest::qWait(0);
}

inline QListWidget* column(const char* name) { return UiNorv::widget<QListWidget>("Norv_main", name); }
inline QLineEdit* field(const char* name) { return UiNorv::widget<QLineEdit>("Norv_main", name); }

// The four working cells of a row, as shown.
inline QStringList rowOf(int row)
{
    QStringList cells;
    for (const char* name : {"streamlist", "streampercentual", "streamdimension", "dimensiontype"})
        cells << (row < column(name)->count() ? column(name)->item(row)->text() : QStringLiteral("<none>"));
    return cells;
}

inline int rowTop(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    return list->viewport()->mapTo(list->window(), rect.topLeft()).y();
}

// Row i of every column stands beside row i of the types, at one scroll
// position; codec stays empty beside them.
inline void expectSideBySide(const char* after)
{
    QTest::qWait(0); // what the user sees: after the pending layouts
    QListWidget* types = column("streamlist");
    EXPECT_EQ(column("codec")->count(), 0) << after;
    EXPECT_EQ(column("codec")->y(), types->y()) << after;
    for (const char* name : {"streampercentual", "streamdimension", "dimensiontype"}) {
        QListWidget* list = column(name);
        ASSERT_EQ(list->count(), types->count()) << name << " after " << after;
        EXPECT_EQ(list->verticalScrollBar()->value(), types->verticalScrollBar()->value())
            << name << " after " << after;
        for (int i = 0; i < types->count(); ++i)
            EXPECT_EQ(rowTop(list, i), rowTop(types, i)) << name << " row " << i << " after " << after;
    }
}

} // namespace norv::test

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

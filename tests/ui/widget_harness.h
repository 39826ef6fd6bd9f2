// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/desktop.h"
#include "ui/number_locale.h"
#include "ui/qt_settings_store.h"

#include "common/application.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

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

// Norv with its real widgets, started over a settings directory, in the
// user's locale as the process sees it (LC_ALL).
class UiNorv {
public:
    explicit UiNorv(const SettingsDir& settings)
        : app(store, ui::systemNumberLocale()), desktop(app)
    {
        settings.use();
        Start(app);
        if (QWidget* main = window("Norv_main")) {
            QApplication::setActiveWindow(main); // Xvfb without a window manager activates nothing
            QTest::qWait(0);
        }
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

} // namespace norv::test

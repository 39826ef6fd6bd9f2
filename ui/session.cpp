// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "number_locale.h"
#include "twips.h"
#include "accessible_roles.h"

#include <QApplication>
#include <QIcon>

namespace norv::ui {

void configureApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Norv"));
    QApplication::setApplicationName(QStringLiteral("Norv"));
    QApplication::setQuitOnLastWindowClosed(false); // the windows' models decide
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Norv"));
    // The title bar's sizes: each file is decoded here, before the window shows.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/norv/icons/norv-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Twips::calibrate(QWidget());
    installAccessibleRoles();
}

Session::Session() : app(store, systemNumberLocale()), desktop(app) { app.useClipboard(clipboard); }

} // namespace norv::ui

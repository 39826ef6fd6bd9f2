// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"
#include "number_locale.h"
#include "qt_settings_store.h"
#include "twips.h"

#include "common/application.h"
#include "main_window/program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norv"));
    QApplication::setApplicationName(QStringLiteral("Norv"));
    QApplication::setQuitOnLastWindowClosed(false); // the windows' models decide
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Norv"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/norv/icons/norv-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    norv::ui::Twips::calibrate(QWidget());
    norv::ui::QtSettingsStore store;
    norv::Application app(store, norv::ui::systemNumberLocale());
    norv::ui::Desktop desktop(app);
    norv::Start(app);
    return app.running() ? QApplication::exec() : 0;
}

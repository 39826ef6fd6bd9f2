// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "main_window/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    norv::ui::configureApplication();
    norv::ui::Session session;
    norv::Start(session.app);
    return session.app.running() ? QApplication::exec() : 0;
}

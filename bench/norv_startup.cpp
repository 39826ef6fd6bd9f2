// SPDX-License-Identifier: GPL-3.0-or-later
// Norv started exactly as its own main does, ending once its main window is
// on the screen: the program whose start-up and memory are measured.
#include "startup_probe.h"

#include "main_window/program.h"
#include "ui/session.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    ShownProbe probe(QStringLiteral("Norv2"));
    norv::ui::configureApplication();
    norv::ui::Session session;
    norv::Start(session.app);
    const int status = QApplication::exec();
    ShownProbe::printPeakMemory();
    return status;
}

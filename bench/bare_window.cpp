// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: a Qt Widgets window with one label, built with Norv's flags.
#include "startup_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    ShownProbe probe(QStringLiteral("Bare"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QLabel label(QStringLiteral("Hello"), &window);
    window.show();
    const int status = QApplication::exec();
    ShownProbe::printPeakMemory();
    return status;
}

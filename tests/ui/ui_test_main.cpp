// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norv"));
    QApplication::setApplicationName(QStringLiteral("Norv"));
    QApplication::setQuitOnLastWindowClosed(false);
    norv::ui::Twips::calibrate(QWidget());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

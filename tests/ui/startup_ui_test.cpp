// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_harness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace norv::test {
namespace {

TEST(StartupUi, ShowsTheStartStateInRealWidgets)
{
    SettingsDir settings;
    UiNorv norv(settings);

    QWidget* main = UiNorv::window("Norv_main");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Norv2"));
    EXPECT_EQ(UiNorv::widget<QLineEdit>("Norv_main", "framerate")->text(), QStringLiteral("25"));
    EXPECT_EQ(UiNorv::widget<QLineEdit>("Norv_main", "properror")->text(), QStringLiteral("0%"));
    auto* fwidths = UiNorv::widget<QSlider>("Norv_main", "fwidths");
    EXPECT_EQ(fwidths->minimum(), 1);
    EXPECT_EQ(fwidths->maximum(), 2000);
    EXPECT_EQ(fwidths->value(), 720);
    auto* container = UiNorv::widget<QComboBox>("Norv_main", "containerselector");
    EXPECT_EQ(container->count(), 3);
    EXPECT_EQ(container->currentText(), QStringLiteral("AVI"));
    EXPECT_FALSE(container->isEnabled());
    EXPECT_FALSE(UiNorv::widget<QLineEdit>("Norv_main", "videoquality")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), UiNorv::widget<QLineEdit>("Norv_main", "diskspace"));
}

} // namespace
} // namespace norv::test

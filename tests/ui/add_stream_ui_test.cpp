// SPDX-License-Identifier: GPL-3.0-or-later
// The Add Stream dialog as the user meets it: opened modal by the main
// window's button, driven by keyboard and mouse, refused over the error window.
#include "stream_ui_actions.h"

#include "streams/add_stream.h"

#include <QComboBox>
#include <QLabel>

namespace norv::test {
namespace {

QStringList entries(QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Nothing covers the widget where the user would click it.
bool onTop(QWidget* widget) { return QApplication::widgetAt(widget->mapToGlobal(widget->rect().center())) == widget; }

TEST(AddStreamUi, EnterAppendsTheRowTypedIntoTheModalDialog)
{
    SettingsDir settings;
    UiNorv norv(settings);
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    auto* value = UiNorv::widget<QLineEdit>("AddStream", "dimensionestream");

    // Action: the button opens the dialog.
    QDialog* dialog = openAddStream();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_EQ(types->currentText(), QStringLiteral("Video"));
    EXPECT_EQ(value->text(), QStringLiteral("0"));
    EXPECT_TRUE(sizeOption(Sized::Bitrate)->isChecked());

    // The main window is blocked while the dialog is up.
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "Option"));
    QWidget* options = UiNorv::window("Norv_option");
    EXPECT_TRUE(options == nullptr || !options->isVisible());

    // Typed value, then the percent option by mouse: the share is 100, the value saved.
    retype(value, QStringLiteral("700"));
    platformClick(sizeOption(Sized::Percent));
    EXPECT_EQ(value->text(), QStringLiteral("100"));
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "100%", "", ""}));

    // With a video row the dialog opens on Audio, the option back on bitrate
    // and the value saved at the switch to percent.
    openAddStream();
    EXPECT_EQ(types->currentText(), QStringLiteral("Audio"));
    EXPECT_TRUE(sizeOption(Sized::Bitrate)->isChecked());
    EXPECT_EQ(value->text(), QStringLiteral("700"));
    retype(value, UiNorv::dec(QStringLiteral("128000.5")) + QStringLiteral("abc"));
    platformClick(sizeOption(Sized::Bitrate)); // already chosen: the value stays
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"Audio", "", UiNorv::dec("128000.5"), "bit/s"}));
    expectSideBySide("two rows added");
}

TEST(AddStreamUi, EscapeAndTheFrameCloseCancelAndKeepTheDialog)
{
    SettingsDir settings;
    UiNorv norv(settings);
    AddStream* model = norv.app.find<AddStream>();
    QDialog* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());

    retype(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"), QStringLiteral("5"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 0);

    // The frame's close control acts as Cancel: the same dialog, its language kept.
    openAddStream();
    ASSERT_TRUE(dialog->isVisible());
    dialog->close();
    QTest::qWait(0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(norv.app.find<AddStream>(), model);
    EXPECT_EQ(addStreamDialog(), dialog);

    EXPECT_EQ(openAddStream(), dialog);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Add Stream"));
    EXPECT_EQ(entries(UiNorv::widget<QComboBox>("AddStream", "streamtype")),
              (QStringList{"Video", "Audio", "Subtitles"}));
    EXPECT_EQ(UiNorv::widget<QComboBox>("AddStream", "streamtype")->currentIndex(), 0);
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(0), (QStringList{"Video", "", "0", "bit/s"}));
}

TEST(AddStreamUi, SecondVideoIsRefusedInAnErrorWindowThatTakesClicks)
{
    SettingsDir settings;
    UiNorv norv(settings);
    addStream(Type::Video, QStringLiteral("100"), Sized::Percent);
    ASSERT_EQ(column("streamlist")->count(), 1);

    // State: the dialog is open on Audio; the user picks Video again.
    QDialog* dialog = openAddStream();
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    types->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Up);
    ASSERT_EQ(types->currentText(), QStringLiteral("Video"));
    retype(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"), QStringLiteral("12abc"));

    // Action: Enter.
    press(Qt::Key_Return);

    // Expected: refused; the error window above the dialog, which stays open.
    QWidget* error = UiNorv::window("Norv_error");
    ASSERT_NE(error, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(error));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 1);
    EXPECT_EQ(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream")->text(), QStringLiteral("12"));
    EXPECT_EQ(error->findChild<QLabel*>(QStringLiteral("errordescription"))->text(),
              QStringLiteral("Numero massimo di flussi video consentiti: 1"));
    auto* resume = error->findChild<QPushButton*>(QStringLiteral("Riprendi"));
    ASSERT_NE(resume, nullptr);
    EXPECT_EQ(resume->text(), QStringLiteral("Continue"));
    EXPECT_TRUE(onTop(resume));

    // Riprendi takes a real click although the dialog is modal; a second
    // refusal puts the window above the dialog again.
    platformClick(resume);
    EXPECT_FALSE(error->isVisible());
    ASSERT_TRUE(dialog->isVisible());
    activate(dialog);
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(error));
    EXPECT_TRUE(onTop(resume));
    platformClick(resume);
    EXPECT_FALSE(error->isVisible());
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(column("streamlist")->count(), 1);

    // The dialog is still usable: an audio stream goes in.
    activate(dialog);
    types->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    ASSERT_EQ(types->currentText(), QStringLiteral("Audio"));
    retype(UiNorv::widget<QLineEdit>("AddStream", "dimensionestream"), QStringLiteral("64000"));
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"Audio", "", "64000", "bit/s"}));
}

} // namespace
} // namespace norv::test

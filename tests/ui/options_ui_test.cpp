// SPDX-License-Identifier: GPL-3.0-or-later
// The Options window through its widgets: opened modeless once, the language
// buttons rewriting every window, the overhead box, settings across runs.
#include "stream_ui_actions.h"

#include <QGroupBox>
#include <QLabel>

namespace norv::test {
namespace {

QString stored(const char* key)
{
    QSettings file(QStringLiteral("Norv"), QStringLiteral("Norv"));
    return file.value(QStringLiteral("Options/") + QLatin1String(key)).toString();
}

QWidget* openOptions()
{
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "Option"));
    QWidget* options = UiNorv::window("Norv_option");
    if (options && options->isVisible()) {
        activate(options);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(options));
    }
    return options;
}

QRadioButton* language(int index)
{
    return UiNorv::widget<QRadioButton>("Norv_option", index == 0 ? "lingua(0)" : "lingua(1)");
}

// What one control of one window shows: its caption, title or tool-tip.
struct Shown {
    const char* window;
    const char* control; // "" for the window's title
    bool toolTip;
    const char* italian;
    const char* english;
};

const Shown kSpotChecks[] = {
    {"Norv_option", "", false, "Opzioni", "Options"},
    {"Norv_option", "Frame1", false, "Lingua", "Language"},
    {"Norv_option", "overhead", false, "Calcola overhead", "Compute overhead"},
    {"Norv_main", "Label1", false, "Spazio su disco", "Diskspace"},
    {"Norv_main", "lenght", true, "secondi", "seconds"},
    {"Norv_main", "framerate", true, "fotogrammi", "frames"},
    {"Norv_main", "RemoveStreamButton", false, "Rimuovi", "Remove"},
    {"Norv_error", "", false, "Norv errore", "Norv error"},
    {"Norv_error", "Riprendi", false, "Riprendi", "Continue"},
    {"AddStream", "", false, "Aggiungi Stream", "Add Stream"},
    {"AddStream", "Label4", false, "dimensione", "bytes"},
    {"AddStream", "Abort", false, "Annulla", "Cancel"},
};

QString shown(const Shown& c)
{
    QWidget* top = UiNorv::window(c.window);
    QWidget* widget = *c.control ? UiNorv::widget<QWidget>(c.window, c.control) : top;
    if (!widget)
        return QStringLiteral("<missing>");
    if (c.toolTip)
        return widget->toolTip();
    if (widget == top)
        return widget->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return QStringLiteral("<no caption>");
}

void expectLanguage(int index, const char* after)
{
    for (const Shown& c : kSpotChecks)
        EXPECT_EQ(shown(c), QString::fromUtf8(index == 0 ? c.italian : c.english))
            << c.window << "." << c.control << " after " << after;
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    ASSERT_EQ(types->count(), 3) << after;
    EXPECT_EQ(types->itemText(2), index == 0 ? QStringLiteral("Sottotitoli") : QStringLiteral("Subtitles"));
    EXPECT_EQ(language(index)->isChecked(), true) << after;
    EXPECT_EQ(language(1 - index)->isChecked(), false) << after;
    EXPECT_EQ(stored("Language"), index == 0 ? QStringLiteral("Italiano") : QStringLiteral("English"));
}

TEST(OptionsUi, OptionOpensOneModelessWindow)
{
    SettingsDir settings;
    UiNorv norv(settings);
    QWidget* options = UiNorv::window("Norv_option");
    ASSERT_NE(options, nullptr) << "made hidden by the start-up's language step";
    EXPECT_FALSE(options->isVisible());

    EXPECT_EQ(openOptions(), options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The main window still takes the user's clicks.
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "About"));
    ASSERT_NE(UiNorv::window("AboutForm"), nullptr);
    EXPECT_TRUE(UiNorv::window("AboutForm")->isVisible());

    // A second click brings the same window forward.
    EXPECT_EQ(openOptions(), options);
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += top->objectName() == QLatin1String("Norv_option");
    EXPECT_EQ(windows, 1);
    EXPECT_TRUE(options->isVisible());
}

TEST(OptionsUi, LanguageButtonsRewriteEveryWindow)
{
    SettingsDir settings;
    UiNorv norv(settings);
    openOptions();
    expectLanguage(1, "a first run");

    platformClick(language(0));
    expectLanguage(0, "Italiano");
    platformClick(language(1));
    expectLanguage(1, "English");
    platformClick(language(0));
    expectLanguage(0, "Italiano again");
    EXPECT_EQ(UiNorv::widget<QComboBox>("AddStream", "streamtype")->itemText(0), QStringLiteral("Video"));
}

TEST(OptionsUi, ChoicesSurviveARestart)
{
    SettingsDir settings;
    {
        // State: a first run over an empty directory.
        UiNorv first(settings);
        EXPECT_EQ(stored("Language"), QStringLiteral("English"));
        EXPECT_EQ(stored("Overhead"), QStringLiteral("0"));
        EXPECT_FALSE(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->isEnabled());

        // Action: Italiano and the overhead chosen (on, off, on), the program closed.
        openOptions();
        platformClick(language(0));
        auto* overhead = UiNorv::widget<QCheckBox>("Norv_option", "overhead");
        auto* container = UiNorv::widget<QComboBox>("Norv_main", "containerselector");
        for (const bool on : {true, false, true}) {
            platformClick(overhead);
            EXPECT_EQ(overhead->isChecked(), on);
            EXPECT_EQ(container->isEnabled(), on);
            EXPECT_EQ(stored("Overhead"), on ? QStringLiteral("1") : QStringLiteral("0"));
        }
        UiNorv::window("Norv_main")->close();
        QTest::qWait(0);
        EXPECT_EQ(UiNorv::window("Norv_main"), nullptr);
        EXPECT_EQ(UiNorv::window("Norv_option"), nullptr);
    }

    // Expected: the second run starts in Italian with the container enabled.
    UiNorv second(settings);
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", "Label1")->text(), QStringLiteral("Spazio su disco"));
    EXPECT_EQ(UiNorv::widget<QPushButton>("Norv_main", "AddStreamButton")->text(), QStringLiteral("Aggiungi"));
    EXPECT_TRUE(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->isEnabled());
    openOptions();
    EXPECT_TRUE(language(0)->isChecked());
    EXPECT_TRUE(UiNorv::widget<QCheckBox>("Norv_option", "overhead")->isChecked());
}

} // namespace
} // namespace norv::test

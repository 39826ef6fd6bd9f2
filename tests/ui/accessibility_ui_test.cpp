// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says for each input, in both languages, and the main
// window worked from the keyboard alone.
#include "field_keys.h"

#include "language_options/norv_option.h"
#include "streams/add_stream.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace norv::test {
namespace {

QString spoken(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// The labels a reader announces with a widget (its "labelled by" relation).
QStringList labelledBy(QWidget* widget)
{
    QStringList names;
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            names << label->text(QAccessible::Name);
    return names;
}

QWidget* find(const char* window, const char* name) { return UiNorv::widget(window, name); }

struct Spoken {
    const char* window;
    const char* input;
    const char* italian;
    const char* english;
};

// Every input with what a reader says for it. Two inputs under one label
// carry a word of the shown language that tells them apart.
const Spoken kNames[] = {
    {"Norv_main", "diskspace", "Spazio su disco", "Diskspace"},
    {"Norv_main", "lenght", "Lunghezza", "Lenght"},
    {"Norv_main", "framerate", "FPS", "FPS"},
    {"Norv_main", "prop1", "Proporzioni (larghezza)", "Proprtions (width)"},
    {"Norv_main", "prop2", "Proporzioni (altezza)", "Proprtions (height)"},
    {"Norv_main", "xdivisible", "Multipli di (larghezza)", "Size multiples (width)"},
    {"Norv_main", "ydivisible", "Multipli di (altezza)", "Size multiples (height)"},
    {"Norv_main", "properror", "Errore proporzioni", "Proportion error"},
    {"Norv_main", "streamlist", "Stream", "Stream"},
    {"Norv_main", "fwidth", "Larghezza", "Width"},
    {"Norv_main", "fwidths", "Larghezza (cursore)", "Width (slider)"},
    {"Norv_main", "fheight", "Altezza", "Height"},
    {"Norv_main", "fheights", "Altezza (cursore)", "Height (slider)"},
    {"Norv_main", "videoquality", "Video Quality", "Video Quality"},
    {"Norv_main", "videoqualitys", "Video Quality (cursore)", "Video Quality (slider)"},
    {"AddStream", "dimensionestream", "Dimensione", "Stream size"},
    {"AddStream", "tipodimensione(0)", "bitrate", "bitrate"},
    {"AddStream", "tipodimensione(1)", "dimensione", "bytes"},
    {"AddStream", "tipodimensione(2)", "%", "%"},
};

// Drop-down lists: on Linux a reader says the chosen entry as the name and
// the label through the relation.
const Spoken kLists[] = {
    {"Norv_main", "containerselector", "Container", "Container"},
    {"AddStream", "streamtype", "Tipo stream", "Stream type"},
};

void expectNames(bool italian)
{
    SCOPED_TRACE(italian ? "Italian" : "English");
    for (const Spoken& s : kNames)
        EXPECT_EQ(spoken(find(s.window, s.input)), QString::fromUtf8(italian ? s.italian : s.english)) << s.input;
    for (const Spoken& s : kLists) {
        const QString label = QString::fromUtf8(italian ? s.italian : s.english);
        EXPECT_EQ(labelledBy(find(s.window, s.input)), QStringList{label}) << s.input;
        EXPECT_EQ(find(s.window, s.input)->accessibleName(), label) << s.input;
    }
}

// The user switches the language in the Options window.
void chooseLanguage(int index)
{
    QTest::mouseClick(find("Norv_main", "Option"), Qt::LeftButton);
    QWidget* options = UiNorv::window("Norv_option");
    ASSERT_TRUE(options && options->isVisible());
    activate(options);
    const QString name = QStringLiteral("lingua(%1)").arg(index);
    QTest::mouseClick(find("Norv_option", name.toLatin1().constData()), Qt::LeftButton);
}

TEST(Accessibility, EveryInputIsNamedAfterItsLabelInTheShownLanguage)
{
    for (const char* stored : {"Italiano", "English"}) {
        SCOPED_TRACE(stored);
        // State: Norv started in the stored language.
        SettingsDir settings;
        storeSetting("Language", stored);
        UiNorv norv(settings);
        norv.app.form<AddStream>();
        const bool italian = std::string(stored) == "Italiano";
        expectNames(italian);

        // Action: the other language, then back.
        chooseLanguage(italian ? 1 : 0);
        // Expected: the names follow the captions; "Video Quality" is the same
        // in both, its slider's word is not.
        expectNames(!italian);
        chooseLanguage(italian ? 0 : 1);
        expectNames(italian);
    }
}

TEST(Accessibility, NoFocusableWidgetIsAnonymous)
{
    SettingsDir settings;
    UiNorv norv(settings);
    norv.app.form<AddStream>();
    for (const char* window : {"Norv_main", "AddStream", "Norv_option"}) {
        for (QWidget* w : UiNorv::window(window)->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                EXPECT_FALSE(spoken(w).isEmpty()) << window << " " << w->objectName().toStdString();
            }
        }
    }
}

TEST(Accessibility, ALabelThatNamesOneInputIsItsBuddy)
{
    SettingsDir settings;
    UiNorv norv(settings);
    norv.app.form<AddStream>();
    const std::tuple<const char*, const char*, const char*> buddies[] = {
        {"Norv_main", "Label1", "diskspace"},        {"Norv_main", "Label2", "lenght"},
        {"Norv_main", "Label9", "framerate"},        {"Norv_main", "Label3", "containerselector"},
        {"Norv_main", "Label11", "properror"},       {"Norv_main", "Label7", "streamlist"},
        {"AddStream", "Label1", "streamtype"},       {"AddStream", "Label2", "dimensionestream"},
        {"AddStream", "Label3", "tipodimensione(0)"}, {"AddStream", "Label4", "tipodimensione(1)"},
        {"AddStream", "Label5", "tipodimensione(2)"},
    };
    for (const auto& [window, label, input] : buddies) {
        auto* widget = UiNorv::widget<QLabel>(window, label);
        ASSERT_NE(widget, nullptr) << label;
        EXPECT_EQ(widget->buddy(), find(window, input)) << window << " " << label;
    }
    // A label over two inputs belongs to neither; their names tell them apart.
    for (const char* shared : {"Label4", "Label5", "Label6", "Label8", "Label10"})
        EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", shared)->buddy(), nullptr) << shared;
}

// Keys go where the keyboard focus is.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    QTest::qWait(0);
}

// Tab (or Shift+Tab) until the named widget has the focus, as a user would;
// false when a whole round of the window never reaches it.
bool tabTo(const char* name, Qt::KeyboardModifiers modifiers = {})
{
    for (int i = 0; i < 30; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (now && now->objectName() == QLatin1String(name))
            return true;
        if (!now)
            return false;
        QTest::keyClick(now, Qt::Key_Tab, modifiers);
    }
    return false;
}

QWidget* shownWindow(const char* name)
{
    QWidget* window = UiNorv::window(name);
    if (window && window->isVisible())
        activate(window);
    return window && window->isVisible() ? window : nullptr;
}

// One Add Stream round with keys alone: Space on the button, the arrows in
// the type list, Space on an option, the value typed, Enter.
void addStreamByKeys(int type, const QString& value, int option)
{
    ASSERT_TRUE(tabTo("AddStreamButton"));
    press(Qt::Key_Space);
    QWidget* dialog = shownWindow("AddStream");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(tabTo("streamtype"));
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    for (int i = 0; i < 3 && types->currentIndex() != type; ++i)
        press(types->currentIndex() < type ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(types->currentIndex(), type);
    if (option != 0) {
        const QString name = QStringLiteral("tipodimensione(%1)").arg(option);
        ASSERT_TRUE(tabTo(name.toLatin1().constData()));
        press(Qt::Key_Space);
    }
    ASSERT_TRUE(tabTo("dimensionestream"));
    typeKeys(QApplication::focusWidget(), "*" + value);
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    activate(UiNorv::window("Norv_main"));
}

TEST(Accessibility, StreamsAreAddedSelectedAndRemovedWithKeysAlone)
{
    // State: start-up, the focus in diskspace.
    SettingsDir settings;
    storeSetting("Language", "English");
    UiNorv norv(settings);
    Norv_main& m = norv.model();

    // Action: the plan typed and the streams added through the dialog.
    typeKeys(QApplication::focusWidget(), "*734003200");
    ASSERT_TRUE(tabTo("lenght"));
    typeKeys(QApplication::focusWidget(), "*5400");
    addStreamByKeys(1, "128000", 0); // Audio
    addStreamByKeys(0, "100", 2);    // Video

    // Expected: an audio row by bitrate, then the video as a share.
    EXPECT_EQ(m.diskspace.text(), "734003200");
    EXPECT_EQ(m.lenght.text(), "5400");
    ASSERT_EQ(m.streamlist.items(), (std::vector<std::string>{"Audio", "Video"}));
    EXPECT_EQ(m.streamdimension.items()[0], "128000");
    EXPECT_EQ(m.streampercentual.items()[1], "100%");

    // Action: Enter on the list does what its double-click does.
    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
    // Expected: the video row gets its share of the pool.
    EXPECT_EQ(m.streamdimension.items()[1], "959412");

    // Action: the arrows choose a row, Space on Remove removes it.
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(m.streamlist.listIndex(), 0);
    ASSERT_TRUE(tabTo("RemoveStreamButton", Qt::ShiftModifier));
    press(Qt::Key_Space);
    EXPECT_EQ(m.streamlist.items(), std::vector<std::string>{"Video"});
    EXPECT_EQ(m.streamdimension.items().size(), 1u);

    // Action: Ctrl+Enter in diskspace, as its double-click; a plain Enter
    // leaves what was typed.
    ASSERT_TRUE(tabTo("diskspace", Qt::ShiftModifier));
    press(Qt::Key_Return);
    EXPECT_EQ(m.diskspace.text(), "734003200");
    press(Qt::Key_Return, Qt::ControlModifier);
    // Expected: the space the video stream needs, 959412 bit/s for 5400 s.
    EXPECT_EQ(m.diskspace.text(), "647603100");
}

TEST(Accessibility, SlidersMoveWithArrowsAndPageKeys)
{
    SettingsDir settings;
    UiNorv norv(settings);
    addVideoRow(norv, "1000000"); // the quality slider is enabled too
    struct Step {
        Qt::Key key;
        int by;
    };
    const Step steps[] = {{Qt::Key_Right, 1}, {Qt::Key_PageUp, 5}, {Qt::Key_Left, -1}, {Qt::Key_PageDown, -5}};
    const std::pair<const char*, const char*> pairs[] = {
        {"fwidths", "fwidth"}, {"fheights", "fheight"}, {"videoqualitys", "videoquality"}};
    for (const auto& [name, shows] : pairs) {
        ASSERT_TRUE(tabTo(name)) << name;
        QSlider* s = slider(name);
        for (const Step& step : steps) {
            const int before = s->value();
            press(step.key);
            EXPECT_EQ(s->value(), before + step.by) << name << " key " << step.key;
            // The field beside it follows the slider the user moved.
            EXPECT_EQ(field(shows)->text().toInt(), s->value()) << name << " key " << step.key;
        }
    }
}

TEST(Accessibility, OptionsAboutAndContainerAnswerTheKeyboard)
{
    SettingsDir settings;
    storeSetting("Language", "English");
    UiNorv norv(settings);
    QWidget* main = UiNorv::window("Norv_main");

    // Action: Space on Option, then in the Options window Space on the
    // overhead box and on Italiano.
    ASSERT_TRUE(tabTo("Option"));
    press(Qt::Key_Space);
    ASSERT_NE(shownWindow("Norv_option"), nullptr);
    ASSERT_TRUE(tabTo("overhead"));
    press(Qt::Key_Space);
    ASSERT_TRUE(tabTo("lingua(0)"));
    press(Qt::Key_Space);

    // Expected: overhead on, so the container list takes the focus and the arrows.
    EXPECT_TRUE(UiNorv::widget<QCheckBox>("Norv_option", "overhead")->isChecked());
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", "Label1")->text(), QStringLiteral("Spazio su disco"));
    activate(main);
    ASSERT_TRUE(tabTo("containerselector"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(norv.model().containerselector.listIndex(), 2);
    EXPECT_EQ(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->currentText(), QStringLiteral("OGM"));

    // Action: Space on About.
    ASSERT_TRUE(tabTo("About"));
    press(Qt::Key_Space);
    EXPECT_NE(shownWindow("AboutForm"), nullptr);
}

} // namespace
} // namespace norv::test

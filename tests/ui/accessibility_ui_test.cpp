// SPDX-License-Identifier: GPL-3.0-or-later
// What the user and a screen reader meet in each language, switched in the
// Options window, and Norv worked from the keyboard alone.
#include "widget_harness.h"

#include "streams/add_stream.h"

#include <QAccessible>

namespace norv::test {
namespace {

struct Shown {
    const char* window;
    const char* control;  // "" for the window itself
    const char* property; // what the user or a screen reader meets
    const char* italian;
    const char* english;
    const char* buddy = nullptr; // the label that names this input alone
};

// Spot checks of the captions, then the name of every input. Two inputs
// under one label carry a word of the shown language that tells them apart.
const Shown kShown[] = {
    {"Norv_option", "", "windowTitle", "Opzioni", "Options"},
    {"Norv_option", "Frame1", "title", "Lingua", "Language"},
    {"Norv_option", "overhead", "text", "Calcola overhead", "Compute overhead"},
    {"Norv_main", "RemoveStreamButton", "text", "Rimuovi", "Remove"},
    {"Norv_main", "lenght", "toolTip", "secondi", "seconds"},
    {"AddStream", "Label4", "text", "dimensione", "bytes"},
    {"Norv_main", "diskspace", "accessibleName", "Spazio su disco", "Diskspace", "Label1"},
    {"Norv_main", "lenght", "accessibleName", "Lunghezza", "Lenght", "Label2"},
    {"Norv_main", "framerate", "accessibleName", "FPS", "FPS", "Label9"},
    {"Norv_main", "containerselector", "accessibleName", "Container", "Container", "Label3"},
    {"Norv_main", "prop1", "accessibleName", "Proporzioni (larghezza)", "Proprtions (width)"},
    {"Norv_main", "prop2", "accessibleName", "Proporzioni (altezza)", "Proprtions (height)"},
    {"Norv_main", "xdivisible", "accessibleName", "Multipli di (larghezza)", "Size multiples (width)"},
    {"Norv_main", "ydivisible", "accessibleName", "Multipli di (altezza)", "Size multiples (height)"},
    {"Norv_main", "properror", "accessibleName", "Errore proporzioni", "Proportion error", "Label11"},
    {"Norv_main", "streamlist", "accessibleName", "Stream", "Stream", "Label7"},
    {"Norv_main", "fwidth", "accessibleName", "Larghezza", "Width"},
    {"Norv_main", "fwidths", "accessibleName", "Larghezza (cursore)", "Width (slider)"},
    {"Norv_main", "fheight", "accessibleName", "Altezza", "Height"},
    {"Norv_main", "fheights", "accessibleName", "Altezza (cursore)", "Height (slider)"},
    {"Norv_main", "videoquality", "accessibleName", "Video Quality", "Video Quality"},
    {"Norv_main", "videoqualitys", "accessibleName", "Video Quality (cursore)", "Video Quality (slider)"},
    {"AddStream", "streamtype", "accessibleName", "Tipo stream", "Stream type", "Label1"},
    {"AddStream", "dimensionestream", "accessibleName", "Dimensione", "Stream size", "Label2"},
    {"AddStream", "tipodimensione(0)", "accessibleName", "bitrate", "bitrate", "Label3"},
    {"AddStream", "tipodimensione(1)", "accessibleName", "dimensione", "bytes", "Label4"},
    {"AddStream", "tipodimensione(2)", "accessibleName", "%", "%", "Label5"},
};

void expectLanguage(bool italian, const char* after)
{
    for (const Shown& s : kShown) {
        QWidget* w = *s.control ? UiNorv::widget(s.window, s.control) : UiNorv::window(s.window);
        EXPECT_EQ(w->property(s.property).toString(), QString::fromUtf8(italian ? s.italian : s.english))
            << s.window << "." << s.control << " after " << after;
    }
    // A reader says that name; of a drop-down list it says the chosen entry,
    // and the label through the "labelled by" relation the buddy gives.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(slider("fwidths"))->text(QAccessible::Name),
              italian ? "Larghezza (cursore)" : "Width (slider)");
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    ASSERT_EQ(types->count(), 3) << after;
    EXPECT_EQ(types->itemText(2), italian ? "Sottotitoli" : "Subtitles") << after;
    EXPECT_EQ(UiNorv::widget<QRadioButton>("Norv_option", "lingua(0)")->isChecked(), italian) << after;
}

TEST(LanguageUi, SwitchRewritesCaptionsAndNamesInEveryWindow)
{
    // State: a first run, in English; the dialog made.
    SettingsDir settings;
    UiNorv norv(settings);
    norv.app.form<AddStream>();
    expectLanguage(false, "a first run");
    // A label that names one input is its buddy; one over two inputs belongs to neither.
    for (const Shown& s : kShown) {
        if (s.buddy) {
            EXPECT_EQ(UiNorv::widget<QLabel>(s.window, s.buddy)->buddy(), UiNorv::widget(s.window, s.control));
        }
    }
    for (const char* shared : {"Label4", "Label5", "Label6", "Label8", "Label10"})
        EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", shared)->buddy(), nullptr) << shared;

    // Action: Italiano, English, Italiano clicked in the Options window.
    platformClick(button("Norv_main", "Option"));
    activate(UiNorv::window("Norv_option"));
    for (const bool italian : {true, false, true}) {
        platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(0)" : "lingua(1)"));
        // Expected: every window in that language, every name with it.
        expectLanguage(italian, italian ? "Italiano" : "English");
    }
}

TEST(KeyboardUi, APlanWithKeysAlone)
{
    // State: start-up, the focus in diskspace.
    SettingsDir settings;
    UiNorv norv(settings);
    Norv_main& m = norv.model();

    // Action: the plan typed; the streams added with Space, arrows and Enter.
    type(QApplication::focusWidget(), "*734003200");
    ASSERT_TRUE(tabTo("lenght"));
    type(QApplication::focusWidget(), "*5400");
    addStream(Type::Audio, "128000", Sized::Bitrate, true);
    addStream(Type::Video, "100", Sized::Percent, true);
    ASSERT_EQ(m.streamlist.items(), (std::vector<std::string>{"Audio", "Video"}));

    // Action: Enter on the list does what its double-click does.
    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
    // Expected: the video row gets its share of the pool, the quality controls
    // are enabled.
    EXPECT_EQ(m.streamdimension.items()[1], "959412");
    EXPECT_TRUE(field("videoquality")->isEnabled());

    // Action: the arrows choose a row, Space on Remove removes it.
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(m.streamlist.listIndex(), 0);
    ASSERT_TRUE(tabTo("RemoveStreamButton", Qt::ShiftModifier));
    press(Qt::Key_Space);
    EXPECT_EQ(m.streamlist.items(), std::vector<std::string>{"Video"});

    // Action: Enter in diskspace, then Ctrl+Enter as its double-click.
    ASSERT_TRUE(tabTo("diskspace", Qt::ShiftModifier));
    press(Qt::Key_Return);
    // Expected: a plain Enter leaves what was typed; Ctrl+Enter gives the
    // space the video stream needs, 959412 bit/s for 5400 s.
    EXPECT_EQ(m.diskspace.text(), "734003200");
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(m.diskspace.text(), "647603100");
}

} // namespace
} // namespace norv::test

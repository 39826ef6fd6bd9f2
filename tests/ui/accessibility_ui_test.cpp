// SPDX-License-Identifier: GPL-3.0-or-later
// What the user and a screen reader meet in each language, switched in the
// Options window. (Keyboard-only use: the tab order in main_window_ui_test.cpp,
// a plan with Tab, arrows, Enter and Ctrl+Enter in streams_ui_test.cpp.)
#include "widget_harness.h"

#include "streams/add_stream.h"

#include <array>

namespace norv::test {
namespace {

// The name a screen reader says for each input, in Italian and in English,
// and the label that is its buddy where that label names this input alone.
// Two inputs under one label carry a word that tells them apart.
const std::array<const char*, 4> kNames[] = {
    {"diskspace", "Spazio su disco", "Diskspace", "Label1"}, {"lenght", "Lunghezza", "Lenght", "Label2"},
    {"framerate", "FPS", "FPS", "Label9"}, {"containerselector", "Container", "Container", "Label3"},
    {"prop1", "Proporzioni (larghezza)", "Proprtions (width)"},
    {"prop2", "Proporzioni (altezza)", "Proprtions (height)"},
    {"xdivisible", "Multipli di (larghezza)", "Size multiples (width)"},
    {"ydivisible", "Multipli di (altezza)", "Size multiples (height)"},
    {"properror", "Errore proporzioni", "Proportion error", "Label11"}, {"streamlist", "Stream", "Stream", "Label7"},
    {"fwidth", "Larghezza", "Width"}, {"fwidths", "Larghezza (cursore)", "Width (slider)"},
    {"fheight", "Altezza", "Height"}, {"fheights", "Altezza (cursore)", "Height (slider)"},
    {"videoquality", "Video Quality", "Video Quality"},
    {"videoqualitys", "Video Quality (cursore)", "Video Quality (slider)"},
    {"streamtype", "Tipo stream", "Stream type", "Label1"}, {"dimensionestream", "Dimensione", "Stream size", "Label2"},
    {"tipodimensione(0)", "bitrate", "bitrate", "Label3"}, {"tipodimensione(1)", "dimensione", "bytes", "Label4"},
    {"tipodimensione(2)", "%", "%", "Label5"},
};

void expectLanguage(bool italian, const char* after)
{
    for (const auto& [name, inItalian, inEnglish, buddy] : kNames) {
        QWidget* input = UiNorv::widget("Norv_main", name);
        input = input ? input : UiNorv::widget("AddStream", name);
        EXPECT_EQ(input->accessibleName(), QString::fromUtf8(italian ? inItalian : inEnglish)) << name << after;
        EXPECT_TRUE(!buddy || input->window()->findChild<QLabel*>(buddy)->buddy() == input) << name;
    }
    // The list of stream types is filled again in the language, with its three entries.
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    EXPECT_EQ(std::pair(types->count(), types->itemText(2)),
              std::pair(3, QString(italian ? "Sottotitoli" : "Subtitles"))) << after;
}

TEST(LanguageUi, SwitchRewritesCaptionsAndNamesInEveryWindow)
{
    // State: a first run, in English; the dialog made.
    UiNorv norv;
    norv.app.form<AddStream>();
    expectLanguage(false, " on a first run");

    // Action: Italiano, English, Italiano clicked in the Options window.
    platformClick(button("Norv_main", "Option"));
    for (const bool italian : {true, false, true}) {
        platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(0)" : "lingua(1)"));
        // Expected: every window in that language, every name with it.
        expectLanguage(italian, italian ? " after Italiano" : " after English");
    }
}

} // namespace
} // namespace norv::test

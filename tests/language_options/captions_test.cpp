// SPDX-License-Identifier: GPL-3.0-or-later
// The language switch: every text it writes, in Italian and in English.
#include "support/norv_fixture.h"

#include "language_options/about_form.h"
#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "streams/add_stream.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

struct Text {
    const char* window;
    const char* control; // "" for the window's title; a text box shows its tool-tip
    const char* italian;
    const char* english;
};

// Every text the language switch writes, as the user must read it.
// clang-format off
const Text kTexts[] = {
    {"Norv_option", "Frame1",             "Lingua",             "Language"},
    {"Norv_option", "Frame2",             "Overhead",           "Overhead"},
    {"Norv_option", "overhead",           "Calcola overhead",   "Compute overhead"},
    {"Norv_option", "",                   "Opzioni",            "Options"},
    {"Norv_main",   "Label1",             "Spazio su disco",    "Diskspace"},
    {"Norv_main",   "Label2",             "Lunghezza",          "Lenght"},
    {"Norv_main",   "lenght",             "secondi",            "seconds"},
    {"Norv_main",   "Label9",             "FPS",                "FPS"},
    {"Norv_main",   "framerate",          "fotogrammi",         "frames"},
    {"Norv_main",   "Label3",             "Container",          "Container"},
    {"Norv_main",   "Label4",             "Proporzioni",        "Proprtions"},
    {"Norv_main",   "Label5",             "Multipli di",        "Size multiples"},
    {"Norv_main",   "Label11",            "Errore proporzioni", "Proportion error"},
    {"Norv_main",   "Option",             "Opzioni",            "Options"},
    {"Norv_main",   "About",              "About",              "About"},
    {"Norv_main",   "Label7",             "Stream",             "Stream"},
    {"Norv_main",   "AddStreamButton",    "Aggiungi",           "Add"},
    {"Norv_main",   "RemoveStreamButton", "Rimuovi",            "Remove"},
    {"Norv_main",   "Label6",             "Larghezza",          "Width"},
    {"Norv_main",   "Label10",            "Altezza",            "Height"},
    {"Norv_main",   "Label8",             "Video Quality",      "Video Quality"},
    {"Norv_error",  "Termina",            "Termina",            "Close"},
    {"Norv_error",  "Riprendi",           "Riprendi",           "Continue"},
    {"Norv_error",  "Annulla",            "Annulla",            "Abort"},
    {"Norv_error",  "Frame1",             "Descrizione errore", "Error description"},
    {"Norv_error",  "",                   "Norv errore",        "Norv error"},
    {"AddStream",   "Label1",             "Tipo stream",        "Stream type"},
    {"AddStream",   "Label2",             "Dimensione",         "Stream size"},
    {"AddStream",   "Label3",             "bitrate",            "bitrate"},
    {"AddStream",   "Label4",             "dimensione",         "bytes"},
    {"AddStream",   "Label5",             "%",                  "%"},
    {"AddStream",   "",                   "Aggiungi Stream",    "Add Stream"},
    {"AddStream",   "Add",                "Aggiungi",           "Add"},
    {"AddStream",   "Abort",              "Annulla",            "Cancel"},
};
// clang-format on

std::string shown(const Application& app, const Text& text)
{
    for (const Window* w : app.windows()) {
        if (w->name() != text.window)
            continue;
        const Control* control = w->control(text.control);
        if (const auto* captioned = dynamic_cast<const CaptionedControl*>(control))
            return captioned->caption();
        return control ? control->toolTip() : *text.control ? "<no control>" : w->caption();
    }
    return "<no window>";
}

TEST(LanguageSwitch, ItalianEnglishItalianLeavesEveryTextItalianButTheAboutWindow)
{
    // State: the About window open; its texts are the same in both languages.
    Norv norv;
    norv.start().About.userClick();
    int aboutWrites = 0;
    for (Control* c : norv.app.find<AboutForm>()->controls())
        c->changed.subscribe([&] { ++aboutWrites; });
    norv.app.find<AboutForm>()->changed.subscribe([&] { ++aboutWrites; });
    Norv_option& options = *norv.app.find<Norv_option>();
    AddStream& dialog = *norv.app.find<AddStream>();
    const auto expectAll = [&](bool italian) {
        for (const Text& text : kTexts)
            EXPECT_EQ(shown(norv.app, text), italian ? text.italian : text.english)
                << text.window << " " << text.control;
        const std::vector<std::string> types = {"Video", "Audio",
                                                italian ? "Sottotitoli" : "Subtitles"};
        EXPECT_EQ(dialog.streamtype.items(), types);
    };

    for (const std::int16_t index : {0, 1, 0}) {
        SCOPED_TRACE(index);
        options.lingua_Click(index);

        expectAll(index == 0);
        EXPECT_EQ(settings::get(norv.store, settings::kLanguage), index ? "English" : "Italiano");
        EXPECT_EQ(options.lingua.selected(), index);
    }
    EXPECT_EQ(aboutWrites, 0);
    EXPECT_FALSE(options.visible());

    // An index outside the pair changes and stores nothing.
    dialog.streamtype.setListIndex(2);
    const int saves = norv.store.saves();
    options.lingua_Click(2);
    options.lingua_Click(-1);
    EXPECT_EQ(norv.store.saves(), saves);
    EXPECT_EQ(options.lingua.selected(), 0);
    expectAll(true);
    EXPECT_EQ(dialog.streamtype.listIndex(), 2);
}

} // namespace
} // namespace norv::test

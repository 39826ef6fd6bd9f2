// SPDX-License-Identifier: GPL-3.0-or-later
// The options window and its two stored settings: the language switch with
// every text it writes, how start-up reads both, and the overhead check box.
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "streams/add_stream.h"

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace norv::test {
namespace {

std::string stored(const Norv& norv, const char* key) { return settings::get(norv.store, key); }

// control "" is the window's title; a text box shows its tool-tip.
struct Text { const char *control, *italian, *english; };

// Every text the language switch writes, as the user must read it: the one
// place where the tests spell them out.
// clang-format off
const std::map<std::string, std::vector<Text>> kTexts = {
    {"Norv_option", {{"Frame1", "Lingua", "Language"}, {"Frame2", "Overhead", "Overhead"},
                     {"overhead", "Calcola overhead", "Compute overhead"}, {"", "Opzioni", "Options"}}},
    {"Norv_main", {{"Label1", "Spazio su disco", "Diskspace"}, {"Label2", "Lunghezza", "Lenght"},
                   {"lenght", "secondi", "seconds"}, {"framerate", "fotogrammi", "frames"},
                   {"Label4", "Proporzioni", "Proprtions"}, {"Label5", "Multipli di", "Size multiples"},
                   {"Label11", "Errore proporzioni", "Proportion error"}, {"Option", "Opzioni", "Options"},
                   {"AddStreamButton", "Aggiungi", "Add"}, {"RemoveStreamButton", "Rimuovi", "Remove"},
                   {"Label6", "Larghezza", "Width"}, {"Label10", "Altezza", "Height"}, {"Label9", "FPS", "FPS"},
                   {"Label3", "Container", "Container"}, {"About", "About", "About"}, {"Label7", "Stream", "Stream"},
                   {"Label8", "Video Quality", "Video Quality"}}},
    {"Norv_error", {{"Termina", "Termina", "Close"}, {"Riprendi", "Riprendi", "Continue"},
                    {"Annulla", "Annulla", "Abort"}, {"Frame1", "Descrizione errore", "Error description"},
                    {"", "Norv errore", "Norv error"}}},
    {"AddStream", {{"Label1", "Tipo stream", "Stream type"}, {"Label2", "Dimensione", "Stream size"},
                   {"Label3", "bitrate", "bitrate"}, {"Label4", "dimensione", "bytes"}, {"Label5", "%", "%"},
                   {"", "Aggiungi Stream", "Add Stream"},
                   {"Add", "Aggiungi", "Add"}, {"Abort", "Annulla", "Cancel"}}},
};
// clang-format on

// A control's caption, else its tool-tip, else the window's title.
std::string shown(const Window& w, const char* control)
{
    const Control* c = w.control(control);
    if (const auto* captioned = dynamic_cast<const CaptionedControl*>(c))
        return captioned->caption();
    return c ? c->toolTip() : *control ? "<no control>" : w.caption();
}

TEST(LanguageSwitch, ItalianEnglishItalianRewritesEveryTextAndStoresTheChoice)
{
    Norv norv;
    norv.start();
    Norv_option& options = *norv.app.find<Norv_option>();
    ASSERT_EQ(norv.app.windows().size(), kTexts.size()); // the four it writes, made by start-up

    for (const std::int16_t index : {0, 1, 0}) {
        SCOPED_TRACE(index);
        const bool italian = index == 0;
        options.lingua_Click(index);

        for (const Window* w : norv.app.windows())
            for (const Text& t : kTexts.at(w->name()))
                EXPECT_EQ(shown(*w, t.control), italian ? t.italian : t.english) << w->name() << " " << t.control;
        EXPECT_EQ(norv.app.find<AddStream>()->streamtype.items(),
                  (std::vector<std::string>{"Video", "Audio", italian ? "Sottotitoli" : "Subtitles"}));
        EXPECT_EQ(stored(norv, settings::kLanguage), italian ? "Italiano" : "English");
        EXPECT_EQ(options.lingua.selected(), index);
    }

    // An index outside the pair changes and stores nothing.
    const int saves = norv.store.saves();
    options.lingua_Click(2);
    options.lingua_Click(-1);
    EXPECT_EQ(norv.store.saves(), saves);
    EXPECT_EQ(options.lingua.selected(), 0);
}

// The language is Italian only for the exact text "Italiano"; the overhead is
// on only when the plain leading number, whatever the user's notation, is
// exactly 1. Start-up writes what it fell back to: "English", "0".
class StoredSettings : public BothLocales {};

TEST_P(StoredSettings, StartUpReadsThemByTheirRulesAndTheCheckBoxWritesTheOverhead)
{
    // stored language, stored overhead ("" as never written), Italian, overhead on
    const std::tuple<const char*, const char*, bool, bool> rows[] = {
        {"", "", false, false}, {"Italiano", "1", true, true}, {"italiano", " 1", false, true},
        {"Italiano ", "1.0", false, true}, {"", "1,5", false, true}, // the comma ends the plain number
        {"", "2", false, false}, {"", "1e999", false, false},
    };
    for (const auto& [language, overhead, italian, on] : rows) {
        SCOPED_TRACE(std::string("stored '") + language + "', '" + overhead + "'");
        Norv run(GetParam());
        for (const auto& [key, text] :
             {std::pair(settings::kLanguage, language), std::pair(settings::kOverhead, overhead)})
            if (*text)
                settings::save(run.store, key, text);

        Norv_main& m = run.start();

        Norv_option& options = *run.app.find<Norv_option>();
        EXPECT_EQ(m.Label6.caption(), italian ? "Larghezza" : "Width");
        EXPECT_EQ(stored(run, settings::kLanguage), italian ? "Italiano" : "English");
        EXPECT_EQ(m.containerselector.enabled(), on);
        EXPECT_EQ(options.overhead.value(), on ? 1 : 0);
        // Off is written "0" at start; on is written "1" when the options window loads.
        EXPECT_EQ(stored(run, settings::kOverhead), on ? "1" : "0");

        // A click on the check box stores the other value at once and switches
        // the container, recomputing nothing.
        m.Option.userClick();
        const auto cycles = run.app.statistics().refreshCycles;
        options.overhead.userClick();
        EXPECT_EQ(stored(run, settings::kOverhead), on ? "0" : "1");
        EXPECT_EQ(m.containerselector.enabled(), !on);
        EXPECT_EQ(run.app.statistics().refreshCycles, cycles);

        // The container overhead reads the same rule afresh at each call.
        settings::save(run.store, settings::kOverhead, overhead);
        EXPECT_EQ(m.ContainerOverhead().empty(), !on);
    }
}

NORV_BOTH_LOCALES(StoredSettings);

} // namespace
} // namespace norv::test

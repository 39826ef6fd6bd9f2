// SPDX-License-Identifier: GPL-3.0-or-later
// The options window and its two stored settings: the language switch with
// every text it writes, how start-up reads both, and the overhead check box.
#include "support/norv_fixture.h"

#include "language_options/captions.h"
#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "streams/add_stream.h"

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace norv::test {
namespace {

std::string stored(const Norv& norv, const char* key) { return settings::get(norv.store, key); }

// What a text of the table is shown on: a control's caption, else its
// tool-tip, else the window's title.
std::string shown(const Window& w, const char* control)
{
    const Control* c = w.control(control);
    if (const auto* captioned = dynamic_cast<const CaptionedControl*>(c))
        return captioned->caption();
    return c ? c->toolTip() : *control ? "<no control>" : w.caption();
}

bool inTable(const std::string& window, const std::string& control)
{
    for (const auto table : {captions(), helperCaptions()})
        for (const LanguageText& t : table)
            if (t.window == window && t.control == control)
                return true;
    return false;
}

TEST(LanguageSwitch, ItalianEnglishItalianRewritesEveryTextAndStoresTheChoice)
{
    Norv norv;
    norv.start();
    Norv_option& options = *norv.app.find<Norv_option>();
    // Every captioned control of a window that follows the language has its
    // text in the table, in both languages; not the About window, the error
    // message, nor the arrays of option buttons and menu entries, named by their values.
    for (const Window* w : norv.app.windows())
        for (const Control* c : w->controls())
            if (dynamic_cast<const CaptionedControl*>(c) && c->name().find('(') == std::string::npos &&
                w->name() != "AboutForm" && c->name() != "errordescription") {
                EXPECT_TRUE(inTable(w->name(), c->name())) << w->name() << " " << c->name();
            }
    for (const LanguageText& t : captions())
        EXPECT_TRUE(*t.italian && *t.english) << t.window << " " << t.control;

    for (const std::int16_t index : {0, 1, 0}) {
        SCOPED_TRACE(index);
        const Language language = index == 0 ? Language::Italian : Language::English;
        options.lingua_Click(index);

        std::vector<std::string> entries;
        for (const LanguageText& t : captions()) {
            if (t.kind == LanguageText::Entry)
                entries.push_back(t.in(language));
            else
                EXPECT_EQ(shown(norv.app.form(t.window), t.control), t.in(language)) << t.window << " " << t.control;
        }
        EXPECT_EQ(norv.app.find<AddStream>()->streamtype.items(), entries);
        EXPECT_EQ(stored(norv, settings::kLanguage), index == 0 ? "Italiano" : "English");
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

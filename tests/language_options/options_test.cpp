// SPDX-License-Identifier: GPL-3.0-or-later
// The two stored settings: how start-up reads them, and the options window
// that changes them.
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "language_options/settings.h"

#include <string>
#include <tuple>
#include <utility>

namespace norv::test {
namespace {

std::string stored(const Norv& norv, const char* key) { return settings::get(norv.store, key); }

// The language is Italian only for the exact text "Italiano"; the overhead is
// on only when the plain leading number, whatever the user's notation, is
// exactly 1. Start-up writes what it fell back to: "English", "0".
class StoredSettings : public BothLocales {};

TEST_P(StoredSettings, StartUpReadsThemByTheirRules)
{
    // stored language, stored overhead ("" as never written), Italian, overhead on
    const std::tuple<const char*, const char*, bool, bool> rows[] = {
        {"", "", false, false}, // a first run
        {"Italiano", "1", true, true}, {"italiano", " 1", false, true},
        {"Italiano ", "1.0", false, true}, {"", "+1", false, true}, {"", "1x", false, true},
        {"", "1,5", false, true}, // the comma ends the plain number
        {"", "0", false, false}, {"", "2", false, false}, {"", "0.5", false, false},
        {"", "1e999", false, false},
    };
    for (const auto& [language, overhead, italian, on] : rows) {
        SCOPED_TRACE(std::string("stored '") + language + "', '" + overhead + "'");
        Norv run(GetParam());
        for (const auto& [key, text] : {std::pair(settings::kLanguage, language),
                                        std::pair(settings::kOverhead, overhead)})
            if (*text)
                settings::save(run.store, key, text);

        Norv_main& m = run.start();

        auto* options = run.app.find<Norv_option>();
        EXPECT_EQ(m.Label6.caption(), italian ? "Larghezza" : "Width");
        EXPECT_EQ(stored(run, settings::kLanguage), italian ? "Italiano" : "English");
        EXPECT_EQ(options->lingua.selected(), italian ? 0 : 1);
        EXPECT_EQ(m.containerselector.enabled(), on);
        EXPECT_EQ(options->overhead.value(), on ? 1 : 0);
        // Off is written "0" at start; on is written "1" when the options window loads.
        EXPECT_EQ(stored(run, settings::kOverhead), on ? "1" : "0");
        // The container overhead reads the same rule afresh at each call.
        settings::save(run.store, settings::kOverhead, overhead);
        EXPECT_EQ(m.ContainerOverhead().empty(), !on);
    }
}

NORV_BOTH_LOCALES(StoredSettings);

TEST(OptionsWindow, StoresEachChoiceAtOnceAndShowsItWhenReopened)
{
    // State: the options window open.
    Norv norv;
    Norv_main& m = norv.start();
    m.Option.userClick();
    auto* options = norv.app.find<Norv_option>();
    EXPECT_TRUE(options->visible());
    const auto cycles = norv.app.statistics().refreshCycles;

    // Action / Expected: checking and unchecking enables the container, and
    // recomputes nothing.
    options->overhead.userClick();
    EXPECT_EQ(stored(norv, settings::kOverhead), "1");
    EXPECT_TRUE(m.containerselector.enabled());
    options->overhead.userClick();
    EXPECT_EQ(stored(norv, settings::kOverhead), "0");
    EXPECT_FALSE(m.containerselector.enabled());
    EXPECT_EQ(norv.app.statistics().refreshCycles, cycles);

    // Action / Expected: Italian is stored and shown at once.
    options->overhead.userClick();
    options->lingua(0).userClick();
    EXPECT_EQ(stored(norv, settings::kLanguage), "Italiano");
    EXPECT_EQ(m.Label2.caption(), "Lunghezza");

    // Closed and opened again: a new window showing what is stored.
    options->userClose();
    EXPECT_EQ(norv.app.find<Norv_option>(), nullptr);
    m.Option.userClick();
    options = norv.app.find<Norv_option>();
    EXPECT_TRUE(options->visible());
    EXPECT_EQ(options->lingua.selected(), 0);
    EXPECT_EQ(options->overhead.value(), 1);
    EXPECT_EQ(options->Frame1.caption(), "Lingua");
    EXPECT_TRUE(m.containerselector.enabled());
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "language_options/settings.h"

#include <map>
#include <string>
#include <vector>

namespace norv::test {
namespace {

std::string stored(const Norv& norv, const char* key) { return settings::get(norv.store, key); }

// Every text field of the main window by name.
std::map<std::string, std::string> fieldTexts(const Norv_main& m)
{
    std::map<std::string, std::string> texts;
    for (Control* c : m.controls())
        if (auto* box = dynamic_cast<TextBox*>(c))
            texts[box->name()] = box->text();
    return texts;
}

class OptionsWindow : public ::testing::Test {
protected:
    Norv_option& options() { return *norv.app.find<Norv_option>(); }
    Norv norv;
};

TEST_F(OptionsWindow, FirstRunOnAnEmptyStoreIsEnglishWithoutOverhead)
{
    Norv_main& m = norv.start();

    EXPECT_EQ(m.Label1.caption(), "Diskspace");
    EXPECT_EQ(stored(norv, settings::kLanguage), "English");
    EXPECT_EQ(stored(norv, settings::kOverhead), "0");
    EXPECT_FALSE(m.containerselector.enabled());
    // Loaded hidden during start-up, showing what is stored.
    ASSERT_NE(norv.app.find<Norv_option>(), nullptr);
    EXPECT_FALSE(options().visible());
    EXPECT_TRUE(options().lingua(1).value());
    EXPECT_FALSE(options().lingua(0).value());
    EXPECT_EQ(options().overhead.value(), 0);
}

TEST_F(OptionsWindow, OnlyTheExactItalianTextStartsInItalian)
{
    struct Row {
        std::string language;
        bool italian;
    };
    const std::vector<Row> rows = {
        {"Italiano", true}, {"italiano", false}, {"Italiano ", false}, {"Deutsch", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("stored '" + row.language + "'");
        Norv run;
        settings::save(run.store, settings::kLanguage, row.language);

        Norv_main& m = run.start();

        EXPECT_EQ(m.Label6.caption(), row.italian ? "Larghezza" : "Width");
        EXPECT_EQ(stored(run, settings::kLanguage), row.italian ? "Italiano" : "English");
        EXPECT_EQ(run.app.find<Norv_option>()->lingua.selected(), row.italian ? 0 : 1);
    }
}

// The stored overhead choice is read by its plain leading number, whatever the
// user's notation: on only when that number is exactly 1.
class StoredOverhead : public BothLocales {};

TEST_P(StoredOverhead, IsOnOnlyForALeadingOne)
{
    struct Row {
        std::string text;
        bool on;
    };
    const std::vector<Row> rows = {
        {"1", true},   {" 1", true},   {"1.0", true}, {"+1", true},  {"1x", true},
        {"1,5", true}, // the comma ends the plain number
        {"", false},   {"0", false},   {"2", false},  {"0.5", false}, {"1.5", false},
        {"on", false}, {"1e999", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("stored '" + row.text + "'");
        Norv run(GetParam());
        settings::save(run.store, settings::kOverhead, row.text);

        Norv_main& m = run.start();

        EXPECT_EQ(m.containerselector.enabled(), row.on);
        EXPECT_EQ(run.app.find<Norv_option>()->overhead.value(), row.on ? 1 : 0);
        // Off is written "0" at start; on is written "1" when the options window loads.
        EXPECT_EQ(stored(run, settings::kOverhead), row.on ? "1" : "0");
    }
}

NORV_BOTH_LOCALES(StoredOverhead);

TEST_F(OptionsWindow, OverheadClicksStoreAndEnableWithoutTouchingAField)
{
    // State: a plan with a length, the options window open.
    Norv_main& m = norv.start();
    m.lenght.setText("3600");
    m.diskspace.setText("700000000");
    m.Option.userClick();
    const auto before = fieldTexts(m);

    // Action / Expected: check.
    options().overhead.userClick();
    EXPECT_EQ(options().overhead.value(), 1);
    EXPECT_EQ(stored(norv, settings::kOverhead), "1");
    EXPECT_TRUE(m.containerselector.enabled());
    EXPECT_EQ(fieldTexts(m), before);

    // Action / Expected: uncheck.
    options().overhead.userClick();
    EXPECT_EQ(options().overhead.value(), 0);
    EXPECT_EQ(stored(norv, settings::kOverhead), "0");
    EXPECT_FALSE(m.containerselector.enabled());
    EXPECT_EQ(fieldTexts(m), before);
}

TEST_F(OptionsWindow, ItalianChosenIsStoredAtOnceAndKeptForTheNextRun)
{
    Norv_main& m = norv.start();
    m.Option.userClick();

    options().lingua(0).userClick();

    EXPECT_EQ(stored(norv, settings::kLanguage), "Italiano");
    EXPECT_EQ(m.Label2.caption(), "Lunghezza");
    EXPECT_EQ(options().caption(), "Opzioni");

    // A later run over the same store.
    Application next(norv.store, NumberLocale::point());
    Start(next);
    EXPECT_EQ(next.find<Norv_main>()->Label2.caption(), "Lunghezza");
    EXPECT_EQ(next.find<Norv_option>()->lingua.selected(), 0);
    EXPECT_EQ(stored(norv, settings::kLanguage), "Italiano");
}

TEST_F(OptionsWindow, ReopenedAfterClosingItShowsTheStoredSettings)
{
    Norv_main& m = norv.start();
    int created = 0;
    norv.app.windowCreated.subscribe([&created](Window& w) {
        if (dynamic_cast<Norv_option*>(&w))
            ++created;
    });

    m.Option.userClick();
    m.Option.userClick(); // open already: only brought forward
    EXPECT_EQ(created, 0);
    EXPECT_TRUE(options().visible());
    options().lingua(0).userClick();
    options().overhead.userClick();

    options().userClose();
    EXPECT_EQ(norv.app.find<Norv_option>(), nullptr);
    EXPECT_TRUE(m.visible());

    m.Option.userClick();
    m.Option.userClick();
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(options().visible());
    EXPECT_EQ(options().lingua.selected(), 0);
    EXPECT_EQ(options().overhead.value(), 1);
    EXPECT_EQ(options().caption(), "Opzioni");
    EXPECT_EQ(options().Frame1.caption(), "Lingua");
    EXPECT_TRUE(m.containerselector.enabled());
    EXPECT_EQ(stored(norv, settings::kOverhead), "1");
}

} // namespace
} // namespace norv::test

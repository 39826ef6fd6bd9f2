// SPDX-License-Identifier: GPL-3.0-or-later
// The helper windows and the main window's helper entries, driven as a user
// drives them: their values reach the fields as typing does, refusals change
// nothing, the plan goes to the clipboard, a helper keeps nothing between
// uses. The second try's replanning and the live language switch are
// tested through the widgets (helpers_ui_test.cpp).
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "planning/norv_length.h"
#include "planning/norv_size.h"
#include "planning/wording.h"

#include <functional>
#include <map>
#include <vector>

namespace norv::test {
namespace {

using planning::Norv_length;
using planning::Norv_size;

// Every text of the main window, to compare two runs whole.
std::map<std::string, std::string> mainTexts(const Norv_main& m)
{
    std::map<std::string, std::string> texts;
    for (const Control* c : m.controls())
        if (const auto* box = dynamic_cast<const TextBox*>(c))
            texts[box->name()] = box->text();
    return texts;
}

// A plan whose refresh has work to do: a video bitrate, so the quality
// figure follows the length; a frame rate of 25.
Norv_main& startPlan(Norv& norv)
{
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1000000", "bit/s");
    m.lenght.userEdit("60");
    m.diskspace.userEdit("700000000");
    return m;
}

// A helper used from the main window's menu entry: its unit or disc (-1: the
// entry itself writes the field), then its fields typed, point notation.
struct Use {
    const char* entry;
    int unit;
    std::vector<std::pair<const char*, const char*>> typed;
};

// Opens the helper, picks the unit, types; gives the user's last press, its OK.
std::function<void()> prepare(Norv& n, const Use& use)
{
    auto& entry = dynamic_cast<MenuItem&>(n.main().named(use.entry));
    if (use.unit < 0)
        return [&entry] { entry.userClick(); };
    entry.userClick();
    Window& w = *n.app.windows().back();
    for (Control* c : w.controls())
        if (auto* unit = dynamic_cast<ComboBox*>(c))
            unit->userSelect(use.unit);
    for (const auto& [name, text] : use.typed)
        dynamic_cast<TextBox&>(w.named(name)).userEdit(n.dec(text));
    return [&w] { dynamic_cast<Button&>(w.named("OK")).userClick(); };
}

class HelperValues : public BothLocales {};

TEST_P(HelperValues, ReachTheirFieldWithTheEventsTypingTheSameTextRaises)
{
    // One row per helper and mode; the values themselves are the arithmetic's
    // tests, and the ones the issue names are driven through the widgets.
    const std::tuple<const char*, Use, const char*, const char*> rows[] = {
        {"DVD single layer", {"sizehelper", 9, {{"sizevalue", "700"}}}, "diskspace", "4700372992"},
        {"1.5 GB less 10%", {"sizehelper", 5, {{"sizevalue", "1.5"}, {"margin", "10"}}}, "diskspace", "1350000000"},
        {"1:02:03.25", {"lengthhelper", 0, {{"lengthvalue", "1:02:03.25"}}}, "lenght", "3723.25"},
        {"2000 frames at 25", {"lengthhelper", 1, {{"lengthvalue", "2000"}}}, "lenght", "80"},
        {"23.976 from the menu", {"rates(0)", -1, {}}, "framerate", "23.976023976024"},
        {"a real size 2% over", {"secondtry", 3, {{"realsize", "714"}}}, "diskspace", "686000000"},
    };
    for (const auto& [what, use, field, text] : rows) {
        SCOPED_TRACE(what);
        // State: the same plan twice.
        Norv helped(GetParam()), typed(GetParam());
        startPlan(helped);
        Norv_main& t = startPlan(typed);
        const auto ok = prepare(helped, use);
        const auto before = helped.app.statistics();

        // Action: the helper's last press; the text typed by hand.
        ok();
        const auto reference = typed.app.statistics();
        dynamic_cast<TextBox&>(t.named(field)).userEdit(typed.dec(text));

        // Expected: the same text, every field alike, as many change events and refresh cycles.
        EXPECT_EQ(dynamic_cast<TextBox&>(helped.main().named(field)).text(), typed.dec(text));
        EXPECT_EQ(mainTexts(helped.main()), mainTexts(t));
        const auto after = helped.app.statistics();
        EXPECT_EQ(after.changeEvents - before.changeEvents, typed.app.statistics().changeEvents - reference.changeEvents);
        EXPECT_EQ(after.refreshCycles - before.refreshCycles, typed.app.statistics().refreshCycles - reference.refreshCycles);
        for (const Window* w : helped.app.windows())
            EXPECT_TRUE(w->name() == "Norv_main" || !w->visible()) << w->name() << " stays open";
    }
}

TEST_P(HelperValues, BadInputIsRefusedInTheHelperAndChangesNothing)
{
    // One refusal per helper window; which input gets which refusal is the arithmetic's tests'.
    using E = planning::InputError;
    const std::pair<Use, E> rows[] = {
        {{"sizehelper", 3, {{"sizevalue", "seven"}}}, E::NotANumber},
        {{"lengthhelper", 0, {{"lengthvalue", "1:61:00"}}}, E::ClockOutOfRange},
        {{"secondtry", 5, {{"realsize", "1.4"}}}, E::TargetNotPositive},
    };
    for (const auto& [use, error] : rows) {
        SCOPED_TRACE(use.entry);
        Norv norv(GetParam());
        startPlan(norv);
        const auto ok = prepare(norv, use);
        const auto texts = mainTexts(norv.main());
        const auto events = norv.app.statistics().changeEvents;

        ok();

        // Expected: the reason in the helper, which stays open; the plan as it was.
        const auto* helper = dynamic_cast<const planning::HelperWindow*>(norv.app.windows().back());
        ASSERT_TRUE(helper && helper->visible());
        EXPECT_EQ(dynamic_cast<const Label&>(helper->named("message")).caption(),
                  planning::message(error, Language::English));
        EXPECT_EQ(mainTexts(norv.main()), texts);
        EXPECT_EQ(norv.app.statistics().changeEvents, events);
    }
}

NORV_BOTH_LOCALES(HelperValues);

TEST(Clipboard, ThePlanInTheShownLanguageAndNoCommandLinesWithoutBitrates)
{
    Norv norv;
    Norv_main& m = startPlan(norv);
    norv.addRow("Audio", "", "128000", "bit/s");
    norv.addRow("Sottotitoli", "", "2000", "bytes");
    norv.app.form<Norv_option>().lingua_Click(0);

    m.copyplan.userClick();
    const std::string plan = norv.app.clipboard().text();
    for (const char* line : {"Spazio su disco\t700000000\tbytes\n", "Lunghezza\t60\ts\n",
                             "Calcola overhead\t0\n", "Stream\nVideo\t\t1000000\tbit/s\nAudio\t\t128000\tbit/s\n"
                             "Sottotitoli\t\t2000\tbytes\n"})
        EXPECT_NE(plan.find(line), std::string::npos) << line << " not in\n" << plan;

    // A percent row not yet shared out has no bitrate: no command lines, the
    // reason in the error window, the clipboard as it was.
    norv.addRow("Audio", "10%", "", "");
    m.copycommands.userClick();
    EXPECT_EQ(norv.app.clipboard().text(), plan);
    EXPECT_EQ(norv.shownError(), planning::message(planning::InputError::NoBitrate, Language::Italian));
}

TEST(HelperWindows, KeepNothingBetweenUsesAndCloseWithTheMainWindow)
{
    Norv norv;
    Norv_main& m = norv.start();
    prepare(norv, {"sizehelper", 9, {{"sizevalue", "1"}, {"margin", "5"}}});
    Norv_size& size = norv.app.form<Norv_size>();
    size.Abort.userClick();

    // Opened again, it shows none of the last use.
    m.sizehelper.userClick();
    EXPECT_EQ(std::tuple(size.sizevalue.text(), size.sizeunit.text(), size.margin.text(), size.sizevalue.enabled()),
              std::tuple(std::string(), std::string("MB"), std::string(), true));

    // Closing the main window closes the helpers too, and Norv ends.
    size.Abort.userClick();
    m.lengthhelper.userClick();
    norv.app.form<Norv_length>().Abort.userClick();
    m.userClose();
    EXPECT_FALSE(norv.app.running());
}

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The helper windows and the main window's helper entries, driven as a user
// drives them: their values reach the fields as typing does, refusals change
// nothing, the plan goes to the clipboard, a helper keeps nothing between
// uses. The second try's replanning and the live language switch are
// tested through the widgets (helpers_ui_test.cpp).
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"
#include "planning/wording.h"

#include <functional>
#include <map>

namespace norv::test {
namespace {

using planning::Norv_length;
using planning::Norv_retry;
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

struct Helped {
    const char* what;
    std::function<void(Norv&)> fill; // opens the helper and types, up to OK
    std::function<void(Norv&)> ok;   // what the user finally presses
    const char* field;
    const char* typed; // the same text typed by hand, point notation
};

Norv_size& sizeHelper(Norv& n, const char* value, int unit, const char* margin = "")
{
    n.main().sizehelper.userClick();
    auto& w = n.app.form<Norv_size>();
    w.sizeunit.userSelect(unit);
    w.sizevalue.userEdit(n.dec(value));
    w.margin.userEdit(n.dec(margin));
    return w;
}

Norv_length& lengthHelper(Norv& n, const char* value, int unit)
{
    n.main().lengthhelper.userClick();
    auto& w = n.app.form<Norv_length>();
    w.lengthunit.userSelect(unit);
    w.lengthvalue.userEdit(n.dec(value));
    return w;
}

Norv_retry& retryHelper(Norv& n, const char* value, int unit)
{
    n.main().secondtry.userClick();
    auto& w = n.app.form<Norv_retry>();
    w.realunit.userSelect(unit);
    w.realsize.userEdit(n.dec(value));
    return w;
}

const auto sizeOk = [](Norv& n) { n.app.form<Norv_size>().OK.userClick(); };
const auto lengthOk = [](Norv& n) { n.app.form<Norv_length>().OK.userClick(); };
const auto retryOk = [](Norv& n) { n.app.form<Norv_retry>().OK.userClick(); };
const auto nothing = [](Norv&) {};

class HelperValues : public BothLocales {};

TEST_P(HelperValues, ReachTheirFieldWithTheEventsTypingTheSameTextRaises)
{
    // One row per helper and mode; the values themselves are the arithmetic's
    // tests, and the ones the issue names are driven through the widgets.
    const Helped rows[] = {
        {"DVD single layer", [](Norv& n) { sizeHelper(n, "700", 9); }, sizeOk, "diskspace", "4700372992"},
        {"1.5 GB less 10%", [](Norv& n) { sizeHelper(n, "1.5", 5, "10"); }, sizeOk, "diskspace", "1350000000"},
        {"1:02:03.25", [](Norv& n) { lengthHelper(n, "1:02:03.25", 0); }, lengthOk, "lenght", "3723.25"},
        {"2000 frames at 25", [](Norv& n) { lengthHelper(n, "2000", 1); }, lengthOk, "lenght", "80"},
        {"23.976 from the menu", nothing, [](Norv& n) { n.main().rates(0).userClick(); }, "framerate",
         "23.976023976024"},
        {"a real size 2% over", [](Norv& n) { retryHelper(n, "714", 3); }, retryOk, "diskspace", "686000000"},
    };
    for (const Helped& row : rows) {
        SCOPED_TRACE(row.what);
        // State: the same plan twice.
        Norv helped(GetParam()), typed(GetParam());
        startPlan(helped);
        Norv_main& t = startPlan(typed);
        row.fill(helped);
        const auto before = helped.app.statistics();

        // Action: the helper's last press; the text typed by hand.
        row.ok(helped);
        const auto reference = typed.app.statistics();
        dynamic_cast<TextBox&>(t.named(row.field)).userEdit(typed.dec(row.typed));

        // Expected: the same text, every field alike, as many change events and refresh cycles.
        EXPECT_EQ(dynamic_cast<TextBox&>(helped.main().named(row.field)).text(), typed.dec(row.typed));
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
    using E = planning::InputError;
    // One refusal per helper window; which input gets which refusal is the arithmetic's tests'.
    const std::tuple<const char*, std::function<void(Norv&)>, std::function<void(Norv&)>, E> rows[] = {
        {"letters", [](Norv& n) { sizeHelper(n, "seven", 3); }, sizeOk, E::NotANumber},
        {"frames at no rate", [](Norv& n) { n.main().framerate.userEdit("0"); lengthHelper(n, "100", 1); },
         lengthOk, E::NoFrameRate},
        {"twice the plan", [](Norv& n) { retryHelper(n, "1.4", 5); }, retryOk, E::TargetNotPositive},
    };
    for (const auto& [what, fill, ok, error] : rows) {
        SCOPED_TRACE(what);
        Norv norv(GetParam());
        startPlan(norv);
        fill(norv);
        const auto texts = mainTexts(norv.main());
        const auto events = norv.app.statistics().changeEvents;

        ok(norv);

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

TEST(Clipboard, ThePlanWithEveryRowAndTheCommandLinesOnceThereAreBitrates)
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
    m.streamlist.setListIndex(3);
    m.RemoveStreamButton.userClick();
    m.copycommands.userClick();
    EXPECT_NE(norv.app.clipboard().text().find("-b:v 1000000 -pass 2"), std::string::npos);
}

TEST(HelperWindows, KeepNothingBetweenUsesAndCloseWithTheMainWindow)
{
    Norv norv;
    Norv_main& m = norv.start();
    Norv_size& size = sizeHelper(norv, "1", 9, "5");
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

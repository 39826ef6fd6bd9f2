// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle: every numeric field rewritten as its leading number, and
// the zero guards of the ratio and the multiples.
#include "support/norv_fixture.h"

#include <tuple>

namespace norv::test {
namespace {

class RefreshCycle : public BothLocales {};

TEST_P(RefreshCycle, RewritesNumbersAndGuardsTheRatioAndMultiplesAgainstZero)
{
    // typed; after the cycle with '.' and with ',' as decimal. A fraction Norv
    // writes in the comma locale reads back in full there; the point is read in both.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Text1", "0", "0"}, {"720px", "720", "720"}, {"29.970", "29.97", "29,97"},
        {"29,97", "29", "29,97"}, {"", "0", "0"}, {"25.", "25", "25"}, {"0,5", "0", "0,5"},
        {"4:3", "4", "4"},
    };
    for (const auto& [typed, point, comma] : rows) {
        SCOPED_TRACE(typed);
        const std::string number = GetParam().decimal == "," ? comma : point;
        // A ratio or multiple whose leading number is 0 becomes 1; any other stays as typed.
        const std::string guarded = number == "0" ? "1" : typed;
        Norv n{GetParam()};
        Norv_main& m = n.start();

        // diskspace and the ratio have no handler of their own: they wait for the next cycle.
        m.diskspace.userEdit(typed);
        m.prop1.userEdit(typed);
        m.prop2.userEdit(typed);
        EXPECT_EQ(m.diskspace.text(), typed);
        m.ParseFields();
        EXPECT_EQ(m.diskspace.text(), number);
        EXPECT_EQ(m.prop1.text(), guarded);
        EXPECT_EQ(m.prop2.text(), guarded);

        // framerate and the multiples run the cycle from their own change.
        m.framerate.userEdit(typed);
        EXPECT_EQ(m.framerate.text(), number);
        if (guarded == "1") {
            m.xdivisible.userEdit(typed);
            m.ydivisible.userEdit(typed);
            EXPECT_EQ(m.xdivisible.text(), "1");
            EXPECT_EQ(m.ydivisible.text(), "1");
        }
        EXPECT_EQ(n.shownError(), "");
    }
}

TEST_P(RefreshCycle, RunOverNormalisedFieldsWritesNothing)
{
    // State: a plan with fractions and the quality controls on.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1036800", "bit/s");
    m.lenght.userEdit(norv.dec("60.5"));
    m.framerate.userEdit(norv.dec("29.97"));
    const auto before = norv.app.statistics().changeEvents;

    // Action
    m.ParseFields();

    // Expected: fractions Norv wrote survive, and no text changed.
    EXPECT_EQ(norv.app.statistics().changeEvents, before);
    EXPECT_EQ(m.lenght.text(), norv.dec("60.5"));
    EXPECT_EQ(m.framerate.text(), norv.dec("29.97"));
    EXPECT_TRUE(m.videoquality.enabled());

    // Without a frame rate no figure can exist.
    m.framerate.userEdit("0");
    EXPECT_FALSE(m.videoquality.enabled());
    EXPECT_FALSE(m.videoqualitys.enabled());
    EXPECT_FALSE(m.Label8.enabled());
}

NORV_BOTH_LOCALES(RefreshCycle);

} // namespace
} // namespace norv::test

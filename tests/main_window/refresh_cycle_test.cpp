// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle: every numeric field rewritten as its leading number, the
// zero guards of the ratio and the multiples, and the quality controls
// enabled only while a figure can exist.
#include "support/norv_fixture.h"

#include <memory>

namespace norv::test {
namespace {

// Counts over every text field of the main window the change events that
// reach a handler and the writes that change a text. The wrappers stay
// plugged in, so the counters are shared with them.
struct FieldWatch {
    explicit FieldWatch(Window& window)
    {
        for (Control* control : window.controls()) {
            auto* box = dynamic_cast<TextBox*>(control);
            if (!box)
                continue;
            if (box->Change)
                box->Change = [inner = box->Change, n = changes] {
                    ++*n;
                    inner();
                };
            auto last = std::make_shared<std::string>(box->text());
            box->changed.subscribe([box, last, n = writes] {
                if (box->text() == *last)
                    return; // a colour or the enabled state
                *last = box->text();
                ++*n;
            });
        }
    }
    std::shared_ptr<int> changes = std::make_shared<int>(0);
    std::shared_ptr<int> writes = std::make_shared<int>(0);
};

struct Normalised {
    const char* typed;
    const char* point; // after the cycle, '.' decimal
    const char* comma; // after the cycle, ',' decimal
};

class RefreshCycle : public BothLocales {
protected:
    static std::string after(const Normalised& row)
    {
        return GetParam().decimal == "," ? row.comma : row.point;
    }
};

// A fraction Norv writes in the comma locale reads back whole there; the
// point is accepted in both notations.
const Normalised kNormalised[] = {
    {"Text1", "0", "0"},
    {"720px", "720", "720"},
    {" 25", "25", "25"},
    {"29.970", "29.97", "29,97"},
    {"1e3", "1000", "1000"},
    {"12,5", "12", "12,5"},
    {"29,97", "29", "29,97"},
    {"", "0", "0"},
    {"25.", "25", "25"},
};

TEST_P(RefreshCycle, RewritesEachFieldAsItsLeadingNumber)
{
    for (const Normalised& row : kNormalised) {
        SCOPED_TRACE(row.typed);
        const std::string expected = after(row);
        Norv n{GetParam()};
        Norv_main& m = n.start();

        // diskspace has no handler of its own: the cycle is run explicitly.
        m.diskspace.userEdit(row.typed);
        m.ParseFields();
        EXPECT_EQ(m.diskspace.text(), expected);

        // framerate runs the cycle from its own change.
        m.framerate.userEdit(row.typed);
        EXPECT_EQ(m.framerate.text(), expected);
        EXPECT_EQ(n.shownError(), "");
    }
}

TEST_P(RefreshCycle, FractionsNorvWroteSurviveLaterCycles)
{
    Norv_main& m = norv.start();
    m.framerate.userEdit(norv.dec("29.97"));
    m.lenght.userEdit(norv.dec("60.5"));

    // Every later edit runs the cycle again, several times over.
    m.xdivisible.userEdit("2");
    m.ParseFields();

    EXPECT_EQ(m.framerate.text(), norv.dec("29.97"));
    EXPECT_EQ(m.lenght.text(), norv.dec("60.5"));
}

TEST_P(RefreshCycle, ZeroGuardsSetOneAndLeaveOtherTextsAsTyped)
{
    const Normalised rows[] = {
        {"0", "1", "1"},       {"abc", "1", "1"}, {"", "1", "1"},
        {"4:3", "4:3", "4:3"}, {" 0.0", "1", "1"}, {"0,5", "1", "0,5"},
    };
    for (const Normalised& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string expected = after(row);
        Norv n{GetParam()};
        Norv_main& m = n.start();

        m.prop1.userEdit(row.typed);
        m.prop2.userEdit(row.typed);
        m.ParseFields();

        EXPECT_EQ(m.prop1.text(), expected);
        EXPECT_EQ(m.prop2.text(), expected);
    }
}

TEST_P(RefreshCycle, MultiplesWithoutANumberBecomeOne)
{
    for (const char* typed : {"0", "abc", ""}) {
        SCOPED_TRACE(typed);
        Norv n{GetParam()};
        Norv_main& m = n.start();

        m.xdivisible.userEdit(typed);
        m.ydivisible.userEdit(typed);

        EXPECT_EQ(m.xdivisible.text(), "1");
        EXPECT_EQ(m.ydivisible.text(), "1");
        EXPECT_EQ(m.fwidth.text(), "720");
        EXPECT_EQ(m.fheight.text(), "576");
        EXPECT_EQ(n.shownError(), "");
    }
}

TEST_P(RefreshCycle, MultipleWithALeadingNumberIsNotRewritten)
{
    Norv_main& m = norv.start();

    m.xdivisible.userEdit("4:3");

    // The guard keeps it; the multiple's own handler then reads it strictly.
    EXPECT_EQ(m.xdivisible.text(), "4:3");
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Type mismatch");
}

TEST_P(RefreshCycle, RunOverNormalisedFieldsWritesNothing)
{
    // State: a plan with fractions and the quality controls on.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1036800", "bit/s");
    m.lenght.userEdit(norv.dec("60.5"));
    m.framerate.userEdit(norv.dec("29.97"));
    ASSERT_TRUE(m.videoquality.enabled());
    FieldWatch watch(m);

    // Action
    m.ParseFields();

    // Expected
    EXPECT_EQ(*watch.writes, 0);
    EXPECT_EQ(*watch.changes, 0);
    EXPECT_TRUE(m.videoquality.enabled());
}

TEST_P(RefreshCycle, DiskSpaceWaitsForTheNextCycle)
{
    // State
    Norv_main& m = norv.start();
    FieldWatch watch(m);

    // Action: typed text runs nothing.
    m.diskspace.userEdit("5000 bytes");

    // Expected
    EXPECT_EQ(m.diskspace.text(), "5000 bytes");
    EXPECT_EQ(*watch.changes, 0);

    // Another field's change runs the cycle, which rewrites it.
    m.framerate.userEdit("30");
    EXPECT_EQ(m.diskspace.text(), "5000");
    EXPECT_EQ(*watch.changes, 1);
    EXPECT_EQ(*watch.writes, 3); // typed, framerate, cleaned
}

TEST_P(RefreshCycle, QualityControlsNeedAVideoBitrateAndAFrameRate)
{
    struct Case {
        const char* name;
        const char* type;
        const char* size;
        const char* unit;
        const char* length;
        const char* rate;
        bool enabled;
    };
    const Case cases[] = {
        {"no rows", nullptr, "", "", "60", "25", false},
        {"audio only", "Audio", "128000", "bit/s", "60", "25", false},
        {"video bitrate", "Video", "1000000", "bit/s", "0", "25", true},
        {"frame rate 0", "Video", "1000000", "bit/s", "60", "0", false},
        {"video bytes, no length", "Video", "700000", "bytes", "0", "25", false},
        {"video bytes over a length", "Video", "700000", "bytes", "60.5", "29.97", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        if (c.type)
            n.addRow(c.type, "", c.size, c.unit);
        m.lenght.userEdit(n.dec(c.length));
        m.framerate.userEdit(n.dec(c.rate));

        m.ParseFields();

        EXPECT_EQ(m.videoquality.enabled(), c.enabled);
        EXPECT_EQ(m.videoqualitys.enabled(), c.enabled);
        EXPECT_EQ(m.Label8.enabled(), c.enabled);
    }
}

NORV_BOTH_LOCALES(RefreshCycle);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <vector>

namespace norv::test {
namespace {

using Column = std::vector<std::string>;

// Three rows of distinct cells, one of each kind.
void addThreeRows(Norv& program)
{
    program.addRow("Video", "100%", "959412", "bit/s");
    program.addRow("Audio", "", "128000", "bit/s");
    program.addRow("Subtitles", "", program.dec("1.5"), "bytes");
}

class StreamList : public BothLocales {};

TEST_P(StreamList, RemoveTakesTheSelectedRowFromEveryColumn)
{
    struct Case {
        int selected;
        Column types, percents, sizes, units;
    };
    const std::string sub = norv.dec("1.5");
    const Case cases[] = {
        {-1,
         {"Video", "Audio", "Subtitles"},
         {"100%", "", ""},
         {"959412", "128000", sub},
         {"bit/s", "bit/s", "bytes"}},
        {0, {"Audio", "Subtitles"}, {"", ""}, {"128000", sub}, {"bit/s", "bytes"}},
        {1, {"Video", "Subtitles"}, {"100%", ""}, {"959412", sub}, {"bit/s", "bytes"}},
        {2, {"Video", "Audio"}, {"100%", ""}, {"959412", "128000"}, {"bit/s", "bit/s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        Norv program{GetParam()}; // a fresh program per case
        Norv_main& m = program.start();
        addThreeRows(program);
        // diskspace has no change handler: only a refresh cycle normalises it.
        m.diskspace.userEdit("12abc");
        m.streamlist.userSelect(c.selected);

        m.RemoveStreamButton.userClick();

        EXPECT_EQ(m.streamlist.items(), c.types);
        EXPECT_EQ(m.streampercentual.items(), c.percents);
        EXPECT_EQ(m.streamdimension.items(), c.sizes);
        EXPECT_EQ(m.dimensiontype.items(), c.units);
        EXPECT_EQ(m.streamlist.listIndex(), -1);
        EXPECT_EQ(m.codec.listCount(), 0);
        EXPECT_EQ(m.diskspace.text(), "12");
        EXPECT_EQ(program.shownError(), "");
    }
}

// Holding the mouse on the list marks the allocation's inputs: the container
// only when it adds overhead.
TEST_P(StreamList, MouseDownHighlightsTheAllocationInputs)
{
    struct Case {
        const char* overhead;
        int container; // 0 AVI, 1 empty, 2 OGM
        const char* disk;
        bool containerLit;
    };
    const Case cases[] = {
        {"0", 0, "1000000", false}, // off
        {"1", 0, "0", true},        // AVI: 2955 bytes even at length 0
        {"1", 1, "1000000", false}, // empty entry: 0
        {"1", 2, "0", false},       // OGM of nothing: 0
        {"1", 2, "1000000", true},  // OGM: 11000
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.overhead << " " << c.container << " " << c.disk);
        Norv program{GetParam()};
        settings::save(program.store, settings::kOverhead, c.overhead);
        Norv_main& m = program.start();
        m.containerselector.setListIndex(c.container);
        m.diskspace.userEdit(c.disk);
        const Color containerBefore = m.containerselector.backColor();

        m.streamlist.userMouseDown();

        EXPECT_EQ(m.diskspace.backColor(), Norv_main::HighlightColor());
        EXPECT_EQ(m.lenght.backColor(), Norv_main::HighlightColor());
        EXPECT_EQ(m.containerselector.backColor(),
                  c.containerLit ? Norv_main::HighlightColor() : containerBefore);

        m.streamlist.userMouseUp();

        EXPECT_EQ(m.diskspace.backColor(), Norv_main::NormalColor());
        EXPECT_EQ(m.lenght.backColor(), Norv_main::NormalColor());
        EXPECT_EQ(m.containerselector.backColor(), Norv_main::NormalColor());
        EXPECT_EQ(program.shownError(), "");
    }
}

NORV_BOTH_LOCALES(StreamList);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

using Column = std::vector<std::string>;

class StreamList : public BothLocales {};

TEST_P(StreamList, RemoveTakesTheSelectedRowFromEveryColumn)
{
    // Three rows whose cells differ in every column, so each column shows which row went.
    const Column cells[] = {{"Video", "Audio", "Subtitles"}, {"1%", "2%", "3%"},
                            {"10", "20", "30"}, {"bit/s", "bytes", "bit/s"}};
    for (const int selected : {-1, 0, 1, 2}) {
        SCOPED_TRACE(selected);
        Norv program{GetParam()};
        Norv_main& m = program.start();
        for (int row = 0; row < 3; ++row)
            program.addRow(cells[0][row], cells[1][row], cells[2][row], cells[3][row]);
        m.diskspace.userEdit("12abc"); // no change handler: only a refresh cycle normalises it
        m.streamlist.userSelect(selected);

        m.RemoveStreamButton.userClick();

        const ListBox* columns[] = {&m.streamlist, &m.streampercentual, &m.streamdimension,
                                    &m.dimensiontype};
        for (int column = 0; column < 4; ++column) {
            Column left = cells[column];
            if (selected >= 0)
                left.erase(left.begin() + selected);
            EXPECT_EQ(columns[column]->items(), left) << columns[column]->name();
        }
        EXPECT_EQ(m.streamlist.listIndex(), -1);
        EXPECT_EQ(m.diskspace.text(), "12");
    }
}

// Holding the mouse on the list marks the allocation's inputs: the container
// only when it adds overhead. Container -1: overhead off (on AVI); 0: AVI, 2955
// bytes even of no disk space; 2: OGM, nothing of no disk space.
TEST_P(StreamList, MouseDownHighlightsTheAllocationInputs)
{
    for (const int container : {-1, 0, 2}) {
        SCOPED_TRACE(container);
        Norv program{GetParam()};
        settings::save(program.store, settings::kOverhead, container < 0 ? "0" : "1");
        Norv_main& m = program.start();
        m.containerselector.setListIndex(container < 0 ? 0 : container);
        const Color containerBefore = m.containerselector.backColor();

        m.streamlist.userMouseDown();

        EXPECT_EQ(m.diskspace.backColor(), Norv_main::HighlightColor());
        EXPECT_EQ(m.lenght.backColor(), Norv_main::HighlightColor());
        EXPECT_EQ(m.containerselector.backColor(),
                  container == 0 ? Norv_main::HighlightColor() : containerBefore);

        m.streamlist.userMouseUp();

        EXPECT_EQ(m.diskspace.backColor(), Norv_main::NormalColor());
        EXPECT_EQ(m.lenght.backColor(), Norv_main::NormalColor());
        EXPECT_EQ(m.containerselector.backColor(), Norv_main::NormalColor());
    }
}

NORV_BOTH_LOCALES(StreamList);

} // namespace
} // namespace norv::test

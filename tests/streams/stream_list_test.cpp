// SPDX-License-Identifier: GPL-3.0-or-later
// The stream list's own actions: Remove and the percent share allocation its
// double-click runs (its highlight: top_fields_test.cpp).
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

using Row = std::vector<std::string>; // type, percent, size, unit
using Rows = std::vector<Row>;

Rows rowsOf(const Norv_main& m)
{
    Rows rows;
    for (int i = 0; i < m.streamlist.listCount(); ++i)
        rows.push_back({m.streamlist.item(i), m.streampercentual.item(i), m.streamdimension.item(i),
                        m.dimensiontype.item(i)});
    return rows;
}

class StreamList : public BothLocales {};

TEST_P(StreamList, RemoveTakesTheSelectedRowFromEveryColumn)
{
    const Rows all = {
        {"Video", "1%", "10", "bit/s"}, {"Audio", "2%", "20", "bytes"}, {"Subtitles", "3%", "30", "bit/s"}};
    for (const int selected : {-1, 1}) {
        SCOPED_TRACE(selected);
        Norv program{GetParam()};
        Norv_main& m = program.start();
        for (const Row& r : all)
            program.addRow(r[0], r[1], r[2], r[3]);
        m.diskspace.userEdit("12abc"); // no change handler: only a refresh cycle normalises it
        m.streamlist.userSelect(selected);

        m.RemoveStreamButton.userClick();

        EXPECT_EQ(rowsOf(m), (selected < 0 ? all : Rows{all[0], all[2]}));
        EXPECT_EQ(m.streamlist.listIndex(), -1);
        EXPECT_EQ(m.diskspace.text(), "12");
    }
}

const Row kVideo100{"Video", "100%", "", ""};
const Row kAudio{"Audio", "", "128000", "bit/s"};

// The double-click on the list with the disk space, length and rows given (in
// point notation); the totals read each cell's leading number.
TEST_P(StreamList, DoubleClickSharesThePoolByPercent)
{
    struct Case { // overhead: with AVI, the container selected at start-up
        const char *name, *disk, *length; Rows before, after; bool overhead = false; const char* rate = "25";
    };
    const Case cases[] = {
        // pool 959412.1481481481
        {"video at 100%", "734003200", "5400", {kVideo100, kAudio}, {{"Video", "100%", "959412", "bit/s"}, kAudio}},
        // the total is taken again before each row: 150, 133, 120; then 111
        {"three at 50%", "734003200", "5400",
         {{"Video", "50%", "", ""}, {"Audio", "50%", "", ""}, {"Subtitles", "50%", "", ""}, kAudio},
         {{"Video", "33%", "285230", "bit/s"}, {"Audio", "37%", "319804", "bit/s"},
          {"Subtitles", "41%", "354377", "bit/s"}, kAudio}},
        // 29 / 100 * 100 lies just below 29
        {"29 and 71", "734003200", "5400", {{"Video", "29%", "", ""}, {"Audio", "71%", "", ""}},
         {{"Video", "28%", "307550", "bit/s"}, {"Audio", "71%", "779861", "bit/s"}}},
        // a share brought down to 0 keeps its earlier cells
        {"1 and 500", "734003200", "5400", {{"Audio", "1%", "1234", "bit/s"}, {"Video", "500%", "", ""}, kAudio},
         {{"Audio", "0%", "1234", "bit/s"}, {"Video", "100%", "959412", "bit/s"}, kAudio}},
        // 1000000 bytes over 100 s are 80000 bit/s, the subtitles 12.5, of the 160000
        {"bytes row", "2000000", "100",
         {kVideo100, {"Audio", "", "1000000", "bytes"}, {"Subtitles", "", "12.5kb", "bit/s"}},
         {{"Video", "100%", "79987", "bit/s"}, {"Audio", "", "1000000", "bytes"},
          {"Subtitles", "", "12.5kb", "bit/s"}}},
        // no disk space: the shares are only rescaled
        {"disk space 0", "0", "5400", {{"Video", "200%", "777", "bit/s"}}, {{"Video", "100%", "777", "bit/s"}}},
        // the fixed streams need more than the disk holds
        {"negative pool", "1000000", "100", {kVideo100, kAudio}, {{"Video", "100%", "-48000", "bit/s"}, kAudio}},
        // nothing to scale by: left as it is, and no pool to share
        {"total exactly 0", "734003200", "5400", {{"Video", "50%", "", ""}, {"Audio", "-50%", "9", "bytes"}},
         {{"Video", "50%", "", ""}, {"Audio", "-50%", "9", "bytes"}}},
        // 10 / -30 * 100 floors to -34
        {"negative total", "734003200", "5400", {{"Video", "10%", "", ""}, {"Audio", "-40%", "", ""}},
         {{"Video", "-34%", "", ""}, {"Audio", "-40%", "", ""}}},
        // the overhead comes off the disk space first: AVI over 161852.985
        // frames is 3968353 bytes, with the fractional length and frame rate read whole
        {"AVI at 29.97 fps", "734003200", "5400.5", {kVideo100, kAudio},
         {{"Video", "100%", "953432", "bit/s"}, kAudio}, true, "29.97"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        settings::save(n.store, settings::kOverhead, c.overhead ? "1" : "0");
        Norv_main& m = n.start();
        for (const Row& r : c.before)
            n.addRow(r[0], r[1], n.dec(r[2]), r[3]);
        Rows after = c.after;
        for (Row& r : after)
            r[2] = n.dec(r[2]);
        m.framerate.userEdit(n.dec(c.rate));
        m.lenght.userEdit(n.dec(c.length));
        m.diskspace.userEdit(std::string(c.disk) + " bytes"); // the double-click's cycle cleans it

        m.streamlist.userDblClick();

        EXPECT_EQ(n.shownError(), "");
        EXPECT_EQ(rowsOf(m), after);
    }
}

NORV_BOTH_LOCALES(StreamList);

} // namespace
} // namespace norv::test

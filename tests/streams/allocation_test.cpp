// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <vector>

namespace norv::test {
namespace {

struct Row {
    std::string type, percent, size, unit;
    friend bool operator==(const Row&, const Row&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Row& r)
    {
        return os << '{' << r.type << '|' << r.percent << '|' << r.size << '|' << r.unit << '}';
    }
};
using Rows = std::vector<Row>;

Rows rowsOf(const Norv_main& m)
{
    Rows rows;
    for (int i = 0; i < m.streamlist.listCount(); ++i)
        rows.push_back({m.streamlist.item(i), m.streampercentual.item(i),
                        m.streamdimension.item(i), m.dimensiontype.item(i)});
    return rows;
}

// Disk space and length as typed, the rows as they stand, then the double-click.
Rows allocate(Norv& program, const std::string& disk, const std::string& length, const Rows& rows)
{
    Norv_main& m = program.main();
    for (const Row& r : rows)
        program.addRow(r.type, r.percent, r.size, r.unit);
    m.diskspace.userEdit(disk);
    m.lenght.userEdit(length);
    m.streamlist.userDblClick();
    EXPECT_EQ(program.shownError(), "");
    return rowsOf(m);
}

class Allocation : public BothLocales {};

const Row kAudio{"Audio", "", "128000", "bit/s"};

TEST_P(Allocation, SharesThePoolByPercent)
{
    struct Case {
        const char* name;
        const char* disk;
        const char* length;
        Rows before, after;
    };
    const Case cases[] = {
        // pool 959412.1481481481
        {"video at 100%", "734003200", "5400",
         {{"Video", "100%", "", ""}, kAudio},
         {{"Video", "100%", "959412", "bit/s"}, kAudio}},
        // the total is taken again before each row: 150, 133, 120; then 111
        {"three at 50%", "734003200", "5400",
         {{"Video", "50%", "", ""}, {"Audio", "50%", "", ""}, {"Subtitles", "50%", "", ""}, kAudio},
         {{"Video", "33%", "285230", "bit/s"},
          {"Audio", "37%", "319804", "bit/s"},
          {"Subtitles", "41%", "354377", "bit/s"},
          kAudio}},
        // 29 / 100 * 100 lies just below 29
        {"29 and 71", "734003200", "5400",
         {{"Video", "29%", "", ""}, {"Audio", "71%", "", ""}},
         {{"Video", "28%", "307550", "bit/s"}, {"Audio", "71%", "779861", "bit/s"}}},
        // a share brought down to 0 keeps its earlier cells
        {"1 and 500", "734003200", "5400",
         {{"Audio", "1%", "1234", "bit/s"}, {"Video", "500%", "", ""}, kAudio},
         {{"Audio", "0%", "1234", "bit/s"}, {"Video", "100%", "959412", "bit/s"}, kAudio}},
        // 1000000 bytes over 100 s are 80000 bit/s of the 160000
        {"bytes row", "2000000", "100",
         {{"Video", "100%", "", ""}, {"Audio", "", "1000000", "bytes"}},
         {{"Video", "100%", "80000", "bit/s"}, {"Audio", "", "1000000", "bytes"}}},
        {"disk space 0", "0", "5400",
         {{"Video", "50%", "777", "bit/s"}, {"Audio", "50%", "", ""}, {"Subtitles", "50%", "", ""}},
         {{"Video", "33%", "777", "bit/s"}, {"Audio", "37%", "", ""}, {"Subtitles", "41%", "", ""}}},
        {"length 0", "734003200", "0",
         {{"Video", "200%", "", ""}},
         {{"Video", "100%", "", ""}}},
        // the fixed streams need more than the disk holds
        {"negative pool", "1000000", "100",
         {{"Video", "100%", "", ""}, kAudio},
         {{"Video", "100%", "-48000", "bit/s"}, kAudio}},
        // nothing to scale by: left as it is, and no pool to share
        {"total exactly 0", "734003200", "5400",
         {{"Video", "50%", "", ""}, {"Audio", "-50%", "9", "bytes"}},
         {{"Video", "50%", "", ""}, {"Audio", "-50%", "9", "bytes"}}},
        // 10 / -30 * 100 floors to -34
        {"negative total", "734003200", "5400",
         {{"Video", "10%", "", ""}, {"Audio", "-40%", "", ""}},
         {{"Video", "-34%", "", ""}, {"Audio", "-40%", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv program{GetParam()};
        program.start();
        EXPECT_EQ(allocate(program, c.disk, c.length, c.before), c.after);
        EXPECT_EQ(program.main().codec.listCount(), 0);
    }
}

TEST_P(Allocation, GivesTheVideoItsBitrateAndEnablesTheQualityControls)
{
    Norv_main& m = norv.start();
    ASSERT_FALSE(m.videoquality.enabled());

    allocate(norv, "734003200", "5400", {{"Video", "100%", "", ""}, kAudio});

    EXPECT_DOUBLE_EQ(m.VideoBitrate(), 959412);
    EXPECT_TRUE(m.videoquality.enabled());
    EXPECT_TRUE(m.videoqualitys.enabled());
    EXPECT_TRUE(m.Label8.enabled());
}

TEST_P(Allocation, EmptyListWritesNothingButRefreshes)
{
    Norv_main& m = norv.start();
    m.diskspace.userEdit("12abc"); // only a refresh cycle normalises it

    m.streamlist.userDblClick();

    EXPECT_EQ(m.streamlist.listCount(), 0);
    EXPECT_EQ(m.diskspace.text(), "12");
    EXPECT_EQ(norv.shownError(), "");
}

TEST_P(Allocation, TotalsReadTheCellsLeadingNumbers)
{
    Norv_main& m = norv.start();
    m.lenght.userEdit("100");
    norv.addRow("Video", "25%", "959412", "bit/s"); // allocated: counts as a share only
    norv.addRow("Audio", "", "128000", "bit/s");
    norv.addRow("Audio", "", "1000000", "bytes");   // 80000 bit/s over 100 s
    norv.addRow("Subtitles", "", norv.dec("12.5") + "kb", "bit/s");
    norv.addRow("Subtitles", "-5%", "", "");
    norv.addRow("Audio", "abc", "", "");

    EXPECT_DOUBLE_EQ(m.TotalStreamPercent(), 20);
    EXPECT_DOUBLE_EQ(m.TotalStreamBitrate(), 128000 + 80000 + 12.5);
}

// The overhead comes off the disk space before the pool is spread.
TEST_P(Allocation, TakesTheContainerOverheadFromTheDiskSpace)
{
    struct Case {
        int container;
        const char* size;
    };
    const Case cases[] = {
        {0, "954507"}, // AVI: 135000 frames, 3310455 bytes
        {1, "959412"}, // empty entry: no overhead
        {2, "947450"}, // OGM: 8074035 bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.container);
        Norv program{GetParam()};
        settings::save(program.store, settings::kOverhead, "1");
        program.start().containerselector.userSelect(c.container);

        const Rows rows = allocate(program, "734003200", "5400", {{"Video", "100%", "", ""}, kAudio});

        EXPECT_EQ(rows[0], (Row{"Video", "100%", c.size, "bit/s"}));
    }
}

// A fractional length and frame rate read back whole in either notation.
TEST_P(Allocation, KeepsFractionalLengthAndFrameRate)
{
    struct Case {
        const char* overhead;
        const char* size;
    };
    const Case cases[] = {
        {"0", "959311"}, // 5872025600 / 5400.5 - 128000
        {"1", "953432"}, // AVI over 161852.985 frames: 3968353 bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overhead);
        Norv program{GetParam()};
        settings::save(program.store, settings::kOverhead, c.overhead);
        Norv_main& m = program.start();
        m.framerate.userEdit(program.dec("29.97"));

        const Rows rows =
            allocate(program, "734003200", program.dec("5400.5"), {{"Video", "100%", "", ""}, kAudio});

        EXPECT_EQ(rows[0], (Row{"Video", "100%", c.size, "bit/s"}));
        EXPECT_EQ(m.lenght.text(), program.dec("5400.5"));
        EXPECT_EQ(m.framerate.text(), program.dec("29.97"));
    }
}

NORV_BOTH_LOCALES(Allocation);

} // namespace
} // namespace norv::test

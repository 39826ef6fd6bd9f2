// SPDX-License-Identifier: GPL-3.0-or-later
// A plan that cannot be encoded: which rows and figures are marked, the disk
// space that would fit (checked against the allocation itself), and that
// reading them changes nothing.
#include "support/norv_fixture.h"

#include "language_options/settings.h"
#include "main_window/plan_warnings.h"

#include <string>

namespace norv::test {
namespace {

using Row = PlanFindings::Row;
using Quality = PlanFindings::Quality;

// The video at 100% beside 128000 bit/s of audio for 60 s at 25 fps: the
// audio alone needs 960000 bytes. Container -1: overhead off.
Norv_main& startPlan(Norv& program, int container)
{
    settings::save(program.store, settings::kOverhead, container < 0 ? "0" : "1");
    Norv_main& m = program.start();
    m.containerselector.setListIndex(container < 0 ? 0 : container);
    program.addRow("Video", "100%", "", "");
    program.addRow("Audio", "", "128000", "bit/s");
    m.lenght.userEdit("60");
    return m;
}

// The disk space typed, then the list double-clicked: the video's bitrate.
double allocate(Norv_main& m, double disk)
{
    const Numbers& n = m.application().numbers();
    m.diskspace.userEdit(n.NumberText(disk));
    m.streamlist.userDblClick();
    return n.LeadingNumber(m.streamdimension.item(0));
}

Row videoMark(const Norv_main& m) { return readPlanFindings(m).rows.at(0); }

class PlanWarningsTest : public BothLocales {};

TEST_P(PlanWarningsTest, TheDiskSpaceThatFitsIsTheSmallestTheAllocationAccepts)
{
    const struct {
        int container;
        double fits;
    } cases[] = {
        {-1, 960000}, // overhead off
        {0, 999705},  // AVI: 1500 frames add 39705 bytes
        {1, 960000},  // the empty entry adds nothing
        {2, 970677},  // OGM: 1.1 % of the disk space itself, which the double-click's sum leaves out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.container);
        Norv program{GetParam()};
        Norv_main& m = startPlan(program, c.container);

        // Too small: the video goes below 0 and says by how much.
        EXPECT_LT(allocate(m, 900000), 0);
        PlanFindings f = readPlanFindings(m);
        EXPECT_EQ(f.rows, (std::vector<Row>{Row::TooSmall, Row::Fine}));
        EXPECT_EQ(f.fits, c.fits);
        EXPECT_EQ(f.disk, 900000);

        // One byte less than the figure still starves the video; the figure
        // itself leaves a pool of exactly 0, which the text must still explain.
        EXPECT_LT(allocate(m, c.fits - 1), 0);
        EXPECT_EQ(allocate(m, c.fits), 0);
        f = readPlanFindings(m);
        EXPECT_EQ(f.rows[0], Row::NothingLeft);
        EXPECT_EQ(f.fits, c.fits);

        // A larger disk space typed: the cell still reads 0 until the next
        // allocation, which clears the mark.
        m.diskspace.userEdit("2000000");
        EXPECT_EQ(videoMark(m), Row::NotSharedOut);
        EXPECT_GT(allocate(m, 2000000), 0);
        EXPECT_EQ(videoMark(m), Row::Fine);
    }
}

TEST_P(PlanWarningsTest, OnlyComputedValuesAreMarked)
{
    Norv_main& m = startPlan(norv, -1);
    norv.addRow("Subtitles", "", "0", "bytes"); // typed as 0: no computed value
    norv.addRow("Audio", "50%", "", "");          // never allocated
    EXPECT_EQ(readPlanFindings(m).rows, std::vector<Row>(4, Row::Fine));

    // A size that leaves the double range cannot be read: no mark, no error.
    allocate(m, 900000);
    EXPECT_EQ(videoMark(m), Row::TooSmall);
    m.diskspace.userEdit("1e400");
    EXPECT_EQ(videoMark(m), Row::Fine);
    EXPECT_EQ(norv.shownError(), "");
}

TEST_P(PlanWarningsTest, TheQualityFigureIsMarkedWhenNothingLiesBehindIt)
{
    Norv_main& m = startPlan(norv, -1);
    allocate(m, 900000);
    // No figure shown yet: nothing to mark.
    EXPECT_EQ(readPlanFindings(m).quality, Quality::Fine);

    // A length edit shows the figure of the negative bitrate: the video row's mark.
    m.lenght.userEdit("61");
    const PlanFindings starved = readPlanFindings(m);
    EXPECT_EQ(starved.quality, Quality::AsVideoRow);
    EXPECT_LT(starved.bitrate, 0);
    const PlanWarnings texts = planWarnings(m);
    EXPECT_EQ(texts.quality, texts.row(0));
    EXPECT_EQ(texts.row(1), "");

    // The copied plan says the same, at the end of the rows it concerns.
    m.copyplan.userClick();
    const std::string plan = norv.app.clipboard().text();
    EXPECT_NE(plan.find("[x 10000]\t" + texts.quality + "\n"), std::string::npos) << plan;
    EXPECT_NE(plan.find("bit/s\t" + texts.row(0) + "\n"), std::string::npos) << plan;
    EXPECT_NE(plan.find("\t128000\tbit/s\n"), std::string::npos) << plan;

    // A bitrate again, then a frame 0 high: the figure stays, the frame is gone.
    allocate(m, 2000000);
    m.lenght.userEdit("60");
    m.xdivisible.userEdit("16");
    m.ydivisible.userEdit("16");
    m.fwidth.setFocus();
    m.fwidth.userEdit("7");
    const PlanFindings noFrame = readPlanFindings(m);
    EXPECT_EQ(noFrame.quality, Quality::NoFrame);
    EXPECT_EQ(std::pair(noFrame.width, noFrame.height), std::pair(7.0, 0.0));

    // The video row removed: the figure stands over no bitrate at all.
    m.streamlist.userSelect(0);
    m.RemoveStreamButton.userClick();
    EXPECT_EQ(readPlanFindings(m).quality, Quality::NoBitrate);
}

// The marks are read at the end of every event: reading them must neither
// write nor run the refresh cycle, nor count as the program's own reads.
TEST_P(PlanWarningsTest, ReadingTheMarksChangesNothing)
{
    Norv_main& m = startPlan(norv, 2);
    allocate(m, 900000);
    m.lenght.userEdit("61");
    const auto before = norv.app.statistics();
    const std::string disk = m.diskspace.text();

    m.refreshWarnings();

    const auto after = norv.app.statistics();
    EXPECT_EQ(std::tuple(after.changeEvents, after.refreshCycles, after.cellReads),
              std::tuple(before.changeEvents, before.refreshCycles, before.cellReads));
    EXPECT_EQ(m.diskspace.text(), disk);
    EXPECT_NE(m.streamdimension.itemWarning(0), "");
    EXPECT_NE(m.videoquality.warning(), "");
}

NORV_BOTH_LOCALES(PlanWarningsTest);

} // namespace
} // namespace norv::test

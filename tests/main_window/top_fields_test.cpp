// SPDX-License-Identifier: GPL-3.0-or-later
// The disk space, length and frame-rate fields: what their edits refresh, the
// two double-clicks, and the highlight while the disk space is pressed.
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <vector>

namespace norv::test {
namespace {

class TopFields : public BothLocales {};

// 1036800 bit/s on a 720 x 576 frame at 25 fps is a figure of exactly 1000.
TEST_P(TopFields, FrameRateEditRunsOnlyTheCycle)
{
    // State: a figure computed at 25 fps; the width field marked as focused.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1036800", "bit/s");
    m.lenght.userEdit("60");
    ASSERT_EQ(m.videoquality.text(), "1000");
    m.hasfocus = Norv_main::FocusWidth;

    // Action
    m.framerate.userEdit(norv.dec("29.97"));

    // Expected: the figure was not refreshed (it would read 834.17...).
    EXPECT_EQ(m.framerate.text(), norv.dec("29.97"));
    EXPECT_EQ(m.videoquality.text(), "1000");
    EXPECT_EQ(m.videoqualitys.value(), 1000);
    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
}

TEST_P(TopFields, LengthEditRefreshesTheQualityFigure)
{
    // State: 7776000 bytes of video, no length yet, so no figure.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "7776000", "bytes");
    m.ParseFields();
    ASSERT_FALSE(m.videoquality.enabled());
    m.hasfocus = Norv_main::FocusWidth;

    // Action: the first cycle cleans the text before the bitrate reads it;
    // 60.5 s rounds to 60 in the division: 1036800 bit/s.
    m.lenght.userEdit(norv.dec("60.5") + " s");

    // Expected
    EXPECT_EQ(norv.shownError(), "");
    EXPECT_EQ(m.lenght.text(), norv.dec("60.5"));
    EXPECT_EQ(m.videoquality.text(), "1000");
    EXPECT_EQ(m.videoqualitys.value(), 1000);
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_TRUE(m.videoquality.enabled());
}

TEST_P(TopFields, LengthDoubleClickAllocatesThePercentShares)
{
    struct Case {
        const char* length;
        const char* video;
    };
    // (734003200 x 8 / length - 128000) to the video at 100%.
    const Case cases[] = {{"5400", "959412"}, {"5400.5", "959311"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        n.addRow("Video", "100%", "", "");
        n.addRow("Audio", "", "128000", "bit/s");
        m.lenght.userEdit(n.dec(c.length));
        m.diskspace.userEdit("734003200 bytes"); // cleaned by the double-click's cycle

        m.lenght.userDblClick();

        EXPECT_EQ(m.diskspace.text(), "734003200");
        EXPECT_EQ(m.lenght.text(), n.dec(c.length));
        EXPECT_EQ(m.streampercentual.item(0), "100%");
        EXPECT_EQ(m.streamdimension.item(0), c.video);
        EXPECT_EQ(m.dimensiontype.item(0), "bit/s");
        EXPECT_EQ(m.streamdimension.item(1), "128000");
        EXPECT_TRUE(m.videoquality.enabled());
    }
}

struct Row {
    const char* type;
    const char* percent;
    const char* size;
    const char* unit;
};

const std::vector<Row> kBytesAndBitrate = {{"Video", "", "1000000", "bytes"},
                                           {"Audio", "", "128000", "bit/s"}};

TEST_P(TopFields, DiskSpaceDoubleClickFillsInWhatTheStreamsNeed)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        const char* length;
        const char* rate;
        const char* overhead; // stored setting
        int container;
        const char* expected; // in the locale's notation
    };
    const Case cases[] = {
        {"empty list", {}, "60", "25", "0", 0, "0"},
        {"bytes and bit/s", kBytesAndBitrate, "60", "25", "0", 0, "1960000"},
        {"AVI at 25 fps", kBytesAndBitrate, "60", "25", "1", 0, "1999705"},
        {"OGM of the cleared disk space", kBytesAndBitrate, "60", "25", "1", 2, "1960000"},
        {"empty container entry", kBytesAndBitrate, "60", "25", "1", 1, "1960000"},
        {"length 0", kBytesAndBitrate, "0", "25", "0", 0, "1000000"},
        {"fractional length", kBytesAndBitrate, "60.5", "25", "0", 0, "1968000"},
        {"fractional length and rate, AVI", kBytesAndBitrate, "60.5", "29.97", "1", 0, "2015378"},
        {"a percent row counts nothing", {{"Video", "100%", "", ""}}, "60", "25", "0", 0, "0"},
        {"fractional result", {{"Audio", "", "1001", "bit/s"}}, "1", "25", "0", 0, "125.125"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        settings::save(n.store, settings::kOverhead, c.overhead);
        Norv_main& m = n.start();
        m.containerselector.setListIndex(c.container);
        for (const Row& row : c.rows)
            n.addRow(row.type, row.percent, row.size, row.unit);
        m.lenght.userEdit(n.dec(c.length));
        m.framerate.userEdit(n.dec(c.rate));
        m.diskspace.userEdit("5000000");

        m.diskspace.userDblClick();

        EXPECT_EQ(n.shownError(), "");
        EXPECT_EQ(m.diskspace.text(), n.dec(c.expected));
        EXPECT_EQ(m.lenght.text(), n.dec(c.length));
        EXPECT_EQ(m.framerate.text(), n.dec(c.rate));
    }
}

TEST_P(TopFields, PressingTheDiskSpaceHighlightsItsInputs)
{
    struct Case {
        const char* name;
        const char* overhead;
        int container;
        const char* disk;
        bool containerLit;
    };
    const Case cases[] = {
        {"overhead off", "0", 0, "1000000", false},
        {"OGM of no disk space", "1", 2, "0", false},
        {"OGM of a disk space", "1", 2, "1000000", true},
        {"empty container entry", "1", 1, "1000000", false},
        {"AVI", "1", 0, "0", true},
    };
    const Color highlight = Norv_main::HighlightColor();
    const Color normal = Norv_main::NormalColor();
    EXPECT_EQ(highlight, rgb(255, 127, 127));
    EXPECT_EQ(normal, rgb(255, 255, 255));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        settings::save(n.store, settings::kOverhead, c.overhead);
        Norv_main& m = n.start();
        m.containerselector.setListIndex(c.container);
        m.diskspace.userEdit(c.disk);
        const Color containerBefore = m.containerselector.backColor();
        const Color columnBefore = m.streamdimension.backColor();

        m.diskspace.userMouseDown();

        EXPECT_EQ(m.lenght.backColor(), highlight);
        EXPECT_EQ(m.framerate.backColor(), highlight);
        EXPECT_EQ(m.streamlist.backColor(), highlight);
        EXPECT_EQ(m.containerselector.backColor(), c.containerLit ? highlight : containerBefore);
        EXPECT_EQ(m.streamdimension.backColor(), columnBefore); // only the type column
        EXPECT_NE(m.diskspace.backColor(), highlight);

        m.diskspace.userMouseUp();

        for (const Control* restored : std::initializer_list<const Control*>{
                 &m.lenght, &m.framerate, &m.containerselector, &m.streamlist})
            EXPECT_EQ(restored->backColor(), normal) << restored->name();
        EXPECT_EQ(m.streamdimension.backColor(), columnBefore);
    }
}

NORV_BOTH_LOCALES(TopFields);

} // namespace
} // namespace norv::test

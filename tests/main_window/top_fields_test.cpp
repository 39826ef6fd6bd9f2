// SPDX-License-Identifier: GPL-3.0-or-later
// The disk space, length and frame-rate fields: what their edits refresh, the
// two double-clicks, and the highlight while the disk space is pressed.
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace norv::test {
namespace {

class TopFields : public BothLocales {};

// 1036800 bit/s on a 720 x 576 frame at 25 fps is a figure of exactly 1000.
TEST_P(TopFields, LengthEditRefreshesTheQualityFigureFrameRateEditDoesNot)
{
    // State: 7776000 bytes of video, no length yet, so no figure.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "7776000", "bytes");
    m.hasfocus = Norv_main::FocusWidth;

    // Action: the first cycle cleans the text before the bitrate reads it;
    // 60.5 s rounds to 60 in the division: 1036800 bit/s.
    m.lenght.userEdit(norv.dec("60.5") + " s");

    // Expected
    EXPECT_EQ(m.lenght.text(), norv.dec("60.5"));
    EXPECT_EQ(m.videoquality.text(), "1000");
    EXPECT_EQ(m.videoqualitys.value(), 1000);
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_TRUE(m.videoquality.enabled());

    // A frame-rate edit runs only the cycle: the figure would read 834.17...
    m.hasfocus = Norv_main::FocusWidth;
    m.framerate.userEdit(norv.dec("29.97"));
    EXPECT_EQ(m.framerate.text(), norv.dec("29.97"));
    EXPECT_EQ(m.videoquality.text(), "1000");
    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
}

TEST_P(TopFields, LengthDoubleClickAllocatesThePercentShares)
{
    Norv_main& m = norv.start();
    norv.addRow("Video", "100%", "", "");
    norv.addRow("Audio", "", "128000", "bit/s");
    m.lenght.userEdit(norv.dec("5400.5"));
    m.diskspace.userEdit("734003200 bytes"); // cleaned by the double-click's cycle

    m.lenght.userDblClick();

    // 734003200 x 8 / 5400.5 - 128000 to the video at 100%.
    EXPECT_EQ(m.diskspace.text(), "734003200");
    EXPECT_EQ(m.lenght.text(), norv.dec("5400.5"));
    EXPECT_EQ(m.streamdimension.items(), (std::vector<std::string>{"959311", "128000"}));
    EXPECT_EQ(m.dimensiontype.item(0), "bit/s");
}

TEST_P(TopFields, DiskSpaceDoubleClickFillsInWhatTheStreamsNeed)
{
    // An empty list needs nothing.
    Norv_main& m = norv.start();
    m.diskspace.userEdit("5000000");
    m.diskspace.userDblClick();
    EXPECT_EQ(m.diskspace.text(), "0");

    // 1000000 bytes and 128000 bit/s; the stored overhead is read at each click.
    norv.addRow("Video", "", "1000000", "bytes");
    norv.addRow("Audio", "", "128000", "bit/s");
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        // length, frame rate, container (0 AVI, 2 OGM, -1 overhead off), disk space
        {"60", "25", -1, "1960000"},     // 1000000 + 128000 x 60 / 8
        {"60", "25", 0, "1999705"},      // 1500 frames add 39705
        {"60", "25", 2, "1960000"},      // OGM of the cleared disk space adds nothing
        {"0", "25", -1, "1000000"},      // no length: a bitrate needs no space
        {"60.5", "29.97", 0, "2015378"}, // fractions are kept
        {"0.1234", "25", -1, "1001974.4"}, // a fractional sum in the locale's notation
    };
    for (const auto& [length, rate, container, expected] : cases) {
        SCOPED_TRACE(testing::Message() << length << " s, container " << container);
        settings::save(norv.store, settings::kOverhead, container < 0 ? "0" : "1");
        m.containerselector.setListIndex(std::max(container, 0));
        m.lenght.userEdit(norv.dec(length));
        m.framerate.userEdit(norv.dec(rate));
        m.diskspace.userEdit("5000000");

        m.diskspace.userDblClick();

        EXPECT_EQ(m.diskspace.text(), norv.dec(expected));
        EXPECT_EQ(m.lenght.text(), norv.dec(length));
        EXPECT_EQ(m.framerate.text(), norv.dec(rate));
    }
}

TEST_P(TopFields, PressingTheDiskSpaceHighlightsItsInputs)
{
    const Color lit = Norv_main::HighlightColor();
    const Color normal = Norv_main::NormalColor();
    Norv_main& m = norv.start();
    const Color column = m.streamdimension.backColor();
    const Control* inputs[] = {&m.lenght, &m.framerate, &m.streamlist, &m.containerselector};
    // stored overhead, container (0 AVI, 2 OGM), whether it lights up; no disk space
    for (const auto& [overhead, container, containerLit] :
         std::initializer_list<std::tuple<const char*, int, bool>>{{"0", 0, false}, {"1", 2, false},
                                                                   {"1", 0, true}}) {
        SCOPED_TRACE(testing::Message() << overhead << " " << container);
        settings::save(norv.store, settings::kOverhead, overhead);
        m.containerselector.setListIndex(container);
        const Color containerBefore = m.containerselector.backColor();

        m.diskspace.userMouseDown();

        for (const Control* input : {inputs[0], inputs[1], inputs[2]})
            EXPECT_EQ(input->backColor(), lit) << input->name();
        EXPECT_EQ(m.containerselector.backColor(), containerLit ? lit : containerBefore);
        EXPECT_EQ(m.streamdimension.backColor(), column); // only the type column

        m.diskspace.userMouseUp();

        for (const Control* input : inputs)
            EXPECT_EQ(input->backColor(), normal) << input->name();
    }
}

NORV_BOTH_LOCALES(TopFields);

} // namespace
} // namespace norv::test

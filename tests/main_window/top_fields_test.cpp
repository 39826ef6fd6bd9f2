// SPDX-License-Identifier: GPL-3.0-or-later
// The disk space, length and frame-rate fields: what their edits refresh, the
// two double-clicks, and the highlight while the disk space or the stream
// list is pressed.
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
    // State: the start-up's length, written over its placeholder, has refreshed
    // already: its "" figure came back as "0", no geometry control is marked as
    // focused and the quality slider rests at its minimum.
    Norv_main& m = norv.start();
    EXPECT_EQ(m.videoquality.text(), "0");
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(m.videoqualitys.value(), 1);
    norv.addRow("Video", "", "7776000", "bytes");

    // Action: 60.5 s, cleaned by the first cycle, rounds to 60 in the division.
    m.lenght.userEdit(norv.dec("60.5") + " s");

    // Expected: the figure; a frame-rate edit runs only the cycle, where the
    // figure would read 834.17..., and without a frame rate there is none.
    EXPECT_EQ(m.videoquality.text(), "1000");
    m.framerate.userEdit(norv.dec("29.97"));
    EXPECT_EQ(m.videoquality.text(), "1000");
    EXPECT_TRUE(m.videoquality.enabled());
    m.framerate.userEdit("0");
    EXPECT_FALSE(m.videoquality.enabled());
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
    EXPECT_EQ(m.streamdimension.items(), (std::vector<std::string>{"959311", "128000"}));
}

TEST_P(TopFields, DiskSpaceDoubleClickFillsInWhatTheStreamsNeed)
{
    // 1000000 bytes and 128000 bit/s; the stored overhead is read at each click.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1000000", "bytes");
    norv.addRow("Audio", "", "128000", "bit/s");
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        // length, frame rate, container (0 AVI, 2 OGM, -1 overhead off), disk space
        {"60", "25", -1, "1960000"},       // 1000000 + 128000 x 60 / 8
        {"60", "25", 0, "1999705"},        // 1500 frames add 39705
        {"60", "25", 2, "1960000"},        // OGM of the cleared disk space adds nothing
        {"0", "25", -1, "1000000"},        // no length: a bitrate needs no space
        {"60.5", "29.97", 0, "2015378"},   // fractional length and frame rate
        {"0.1234", "25", -1, "1001974.4"}, // a fractional sum in the locale's notation
    };
    for (const auto& [length, rate, container, expected] : cases) {
        SCOPED_TRACE(testing::Message() << length << " s, container " << container);
        settings::save(norv.store, settings::kOverhead, container < 0 ? "0" : "1");
        m.containerselector.setListIndex(container < 0 ? 0 : container);
        m.lenght.userEdit(norv.dec(length));
        m.framerate.userEdit(norv.dec(rate));
        m.diskspace.userEdit("5000000");
        m.diskspace.userDblClick();
        EXPECT_EQ(m.diskspace.text(), norv.dec(expected));
    }
}

// Pressing the disk space or the stream list lights up exactly the inputs of
// what its double-click computes, the container only where it adds overhead
// (AVI; OGM adds nothing of no disk space); the release paints them normal.
TEST_P(TopFields, PressingHighlightsTheInputsOfTheDoubleClick)
{
    Norv_main& m = norv.start();
    const std::vector<Control*> all = {&m.diskspace, &m.lenght,          &m.framerate,
                                       &m.streamlist, &m.streamdimension, &m.containerselector};
    const auto colours = [&all] {
        std::vector<Color> out;
        for (const Control* c : all)
            out.push_back(c->backColor());
        return out;
    };
    for (const bool list : {false, true}) {
        for (const auto& [overhead, container] : {std::pair{"0", 0}, {"1", 2}, {"1", 0}}) {
            SCOPED_TRACE(testing::Message() << (list ? "list " : "disk space ") << overhead << " " << container);
            settings::save(norv.store, settings::kOverhead, overhead);
            m.containerselector.setListIndex(container);
            std::vector<Control*> lit = list ? std::vector<Control*>{&m.diskspace, &m.lenght}
                                             : std::vector<Control*>{&m.lenght, &m.framerate, &m.streamlist};
            if (*overhead == '1' && container == 0)
                lit.push_back(&m.containerselector);
            // The release paints the container too, lit or not.
            std::vector<Color> before = colours(), pressed = before, released = before;
            for (std::size_t i = 0; i < all.size(); ++i) {
                const bool on = std::find(lit.begin(), lit.end(), all[i]) != lit.end();
                pressed[i] = on ? Norv_main::HighlightColor() : before[i];
                released[i] = on || all[i] == &m.containerselector ? Norv_main::NormalColor() : before[i];
            }
            list ? m.streamlist.userMouseDown() : m.diskspace.userMouseDown();
            EXPECT_EQ(colours(), pressed);
            list ? m.streamlist.userMouseUp() : m.diskspace.userMouseUp();
            EXPECT_EQ(colours(), released);
        }
    }
}

NORV_BOTH_LOCALES(TopFields);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh cycle: every numeric field rewritten as its leading number, the
// zero guards, and the video bitrate that decides whether a quality figure
// exists; the container overhead, which runs the cycle first.
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <tuple>
#include <vector>

namespace norv::test {
namespace {

class RefreshCycle : public BothLocales {};

TEST_P(RefreshCycle, RewritesNumbersAndGuardsTheRatioAgainstZero)
{
    // typed; after the cycle with '.' and with ',' as decimal. The comma is a
    // decimal point in its own locale only, the point in both.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Text1", "0", "0"}, {"720px", "720", "720"}, {"29.970", "29.97", "29,97"}, {"29,97", "29", "29,97"},
        {"", "0", "0"},      {"25.", "25", "25"},     {"0,5", "0", "0,5"},          {"4:3", "4", "4"},
    };
    Norv_main& m = norv.start();
    for (const auto& [typed, point, comma] : rows) {
        SCOPED_TRACE(typed);
        const std::string number = GetParam().decimal == "," ? comma : point;
        // Neither has a handler of its own: they wait for the next cycle.
        m.diskspace.userEdit(typed);
        m.prop1.userEdit(typed);
        EXPECT_EQ(m.diskspace.text(), typed);
        m.ParseFields();
        EXPECT_EQ(m.diskspace.text(), number);
        // A ratio whose leading number is 0 becomes 1; any other stays as typed.
        EXPECT_EQ(m.prop1.text(), number == "0" ? "1" : typed);
        // A run over normalised fields, fractions in the comma too, rewrites nothing.
        const auto before = norv.app.statistics().changeEvents;
        m.ParseFields();
        EXPECT_EQ(norv.app.statistics().changeEvents, before);
    }
}

// The quality controls are enabled only while there is a video bitrate (at 25 fps).
TEST_P(RefreshCycle, VideoBitrateSumsTheVideoRows)
{
    using Row = std::tuple<const char*, const char*, const char*>; // type, size, unit
    const Row bytes = {"Video", "700000", "bytes"};
    // rows, length, bitrate
    const std::tuple<std::vector<Row>, const char*, double> cases[] = {
        {{bytes}, "60.5", 93333}, // the length's tie goes to the even 60
        {{bytes, {"Video", "64000", "Bytes"}}, "61.5", 154322}, // any unit but "bytes" is a bitrate
        // No length: bytes count nothing, a bitrate its leading number.
        {{bytes, {"Video", "1500.5k", "bit/s"}}, "0", 1500.5},
        {{{"Audio", "1", "bit/s"}, {"video", "1", "bit/s"}, {"Video ", "1", "bit/s"}}, "60", 0}, // "Video" exactly
        {{{"Video", "0.1875", "bytes"}}, "1", 2},               // 8 x bytes rounds half to even
        {{{"Video", "4000000000", "bytes"}}, "1", 32000000000}, // beyond 32 bits
        {{bytes, {"Video", "5000", "bit/s"}}, "0.5", 5000},     // a length that rounds to 0
    };
    for (const auto& [rows, length, expected] : cases) {
        SCOPED_TRACE(testing::Message() << length << " s, " << expected);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        for (const auto& [type, size, unit] : rows)
            n.addRow(type, "", n.dec(size), unit);
        m.lenght.userEdit(n.dec(length));
        m.ParseFields();

        EXPECT_EQ(m.VideoBitrate(), expected);
        EXPECT_EQ(n.shownError(), "");
        EXPECT_EQ((std::vector<bool>{m.videoquality.enabled(), m.videoqualitys.enabled(), m.Label8.enabled()}),
                  std::vector<bool>(3, expected > 0));
    }
}

// What the frames and disk space give is pinned by the disk space's double-click.
TEST_P(RefreshCycle, OverheadFollowsTheStoredChoiceAndTheContainer)
{
    Norv_main& m = norv.start();
    EXPECT_EQ(m.ContainerOverhead(), MaybeNumber()); // off on a first run
    // The setting is read afresh at each call; the disk space is cleaned first.
    settings::save(norv.store, settings::kOverhead, "1");
    EXPECT_EQ(m.ContainerOverhead(), MaybeNumber(2955)); // AVI of no frames, floored
    m.diskspace.userEdit("1000000 bytes");
    m.containerselector.setListIndex(2);
    EXPECT_EQ(m.ContainerOverhead(), MaybeNumber(11000)); // OGM
    m.containerselector.setListIndex(1);
    EXPECT_EQ(m.ContainerOverhead(), MaybeNumber(0)); // the empty entry: 0, not nothing
}

NORV_BOTH_LOCALES(RefreshCycle);

} // namespace
} // namespace norv::test

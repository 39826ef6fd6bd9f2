// SPDX-License-Identifier: GPL-3.0-or-later
// The video bitrate from the stream rows and the length, and the container
// overhead from the stored choice and the selected container.
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <tuple>
#include <vector>

namespace norv::test {
namespace {

// A stream row: type, size (with the locale's separator), unit.
using Row = std::tuple<const char*, const char*, const char*>;

class BitrateAndOverhead : public BothLocales {};

// The quality controls are enabled only while there is a video bitrate (at 25 fps).
TEST_P(BitrateAndOverhead, VideoBitrateSumsTheVideoRows)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        const char* length;
        double expected;
    };
    const Row bytes = {"Video", "700000", "bytes"};
    const Case cases[] = {
        {"bytes over a length", {bytes}, "60", 93333},
        {"length 60.5 rounds to even 60", {bytes}, "60.5", 93333},
        {"length 61.5 rounds to 62", {bytes}, "61.5", 90322},
        {"bytes without a length", {bytes}, "0", 0},
        {"bit/s without a length, leading number", {{"Video", "1500kbit", "bit/s"}}, "0", 1500},
        {"bytes and bit/s rows together", {bytes, {"Video", "64000", "bit/s"}}, "60", 157333},
        {"other types skipped",
         {{"Audio", "128000", "bit/s"}, {"video", "1", "bit/s"}, {"Video ", "2", "bit/s"}},
         "60",
         0},
        {"any other unit is a bitrate", {{"Video", "1000", "Bytes"}}, "60", 1000},
        {"8 x bytes rounds half to even", {{"Video", "0.1875", "bytes"}}, "1", 2},
        // Beyond 32 bits the division still comes out exact.
        {"large byte total", {{"Video", "4000000000", "bytes"}}, "1", 32000000000},
        // A length that rounds to 0 divides nothing.
        {"length 0.5", {bytes, {"Video", "5000", "bit/s"}}, "0.5", 5000},
        {"fraction in the locale's notation", {{"Video", "1500.5", "bit/s"}}, "0", 1500.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        for (const auto& [type, size, unit] : c.rows)
            n.addRow(type, "", n.dec(size), unit);
        m.lenght.userEdit(n.dec(c.length));
        m.ParseFields();

        EXPECT_EQ(m.VideoBitrate(), c.expected);
        EXPECT_EQ(n.shownError(), "");
        for (const Control* quality : std::initializer_list<const Control*>{
                 &m.videoquality, &m.videoqualitys, &m.Label8})
            EXPECT_EQ(quality->enabled(), c.expected > 0) << quality->name();
    }
}

TEST_P(BitrateAndOverhead, OverheadFollowsTheSelectedContainer)
{
    Norv_main& m = norv.start();
    EXPECT_TRUE(m.ContainerOverhead().empty()); // off on a first run
    // The setting is read afresh at each call: no restart needed.
    settings::save(norv.store, settings::kOverhead, "1");
    // container (0 AVI, 1 empty, 2 OGM), length, frame rate, disk space, overhead
    const std::tuple<int, const char*, const char*, const char*, double> cases[] = {
        {0, "0", "25", "0", 2955},
        {0, "60", "25", "0", 39705},             // 1500 frames
        {0, "60.5", "29.97", "0", 47378},        // fractional frames
        {2, "60", "25", "1000000 bytes", 11000}, // the disk space is cleaned first
        {2, "60", "25", "999999", 10999},        // floored
        {1, "60", "25", "1000000", 0},
    };
    for (const auto& [container, length, rate, disk, expected] : cases) {
        SCOPED_TRACE(testing::Message() << container << " " << length << " " << disk);
        m.containerselector.setListIndex(container);
        m.lenght.userEdit(norv.dec(length));
        m.framerate.userEdit(norv.dec(rate));
        m.diskspace.userEdit(disk);

        const MaybeNumber overhead = m.ContainerOverhead();

        EXPECT_FALSE(overhead.empty());
        EXPECT_EQ(overhead.number(), expected);
    }
}

NORV_BOTH_LOCALES(BitrateAndOverhead);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The video bitrate from the stream rows and the length, and the container
// overhead from the stored choice and the selected container.
#include "support/norv_fixture.h"

#include "language_options/settings.h"

#include <vector>

namespace norv::test {
namespace {

struct Row {
    const char* type;
    const char* size;
    const char* unit;
};

class VideoBitrate : public BothLocales {};

TEST_P(VideoBitrate, SumsTheVideoRows)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        const char* length; // written with the locale's separator
        double expected;
    };
    const Case cases[] = {
        {"empty list", {}, "60", 0},
        {"bytes over a length", {{"Video", "700000", "bytes"}}, "60", 93333},
        {"length 60.5 rounds to even 60", {{"Video", "700000", "bytes"}}, "60.5", 93333},
        {"length 61.5 rounds to 62", {{"Video", "700000", "bytes"}}, "61.5", 90322},
        {"bit/s without a length", {{"Video", "128000", "bit/s"}}, "0", 128000},
        {"bytes without a length", {{"Video", "700000", "bytes"}}, "0", 0},
        {"leading number of the size", {{"Video", "1500kbit", "bit/s"}}, "0", 1500},
        {"bytes and bit/s rows together",
         {{"Video", "700000", "bytes"}, {"Video", "64000", "bit/s"}},
         "60",
         157333},
        {"other types skipped",
         {{"Audio", "128000", "bit/s"}, {"video", "1", "bit/s"}, {"Video ", "2", "bit/s"},
          {"Subtitle", "5000", "bytes"}},
         "60",
         0},
        {"any other unit is a bitrate", {{"Video", "1000", "Bytes"}}, "60", 1000},
        {"8 x bytes rounds half to even down", {{"Video", "0.0625", "bytes"}}, "1", 0},
        {"8 x bytes rounds half to even up", {{"Video", "0.1875", "bytes"}}, "1", 2},
        // Beyond 32 bits the division still comes out exact.
        {"large byte total", {{"Video", "1000000000", "bytes"}}, "60", 133333333},
        {"large byte total, length 1", {{"Video", "4000000000", "bytes"}}, "1", 32000000000},
        // A length that rounds to 0 divides nothing.
        {"length 0.4", {{"Video", "700000", "bytes"}, {"Video", "5000", "bit/s"}}, "0.4", 5000},
        {"length 0.5", {{"Video", "700000", "bytes"}}, "0.5", 0},
        {"fraction in the locale's notation", {{"Video", "1500.5", "bit/s"}}, "0", 1500.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        for (const Row& row : c.rows)
            n.addRow(row.type, "", n.dec(row.size), row.unit);
        m.lenght.userEdit(n.dec(c.length));
        ASSERT_EQ(n.shownError(), "");

        EXPECT_EQ(m.VideoBitrate(), c.expected);
    }
}

class ContainerOverhead : public BothLocales {};

enum Container { Avi = 0, None = 1, Ogm = 2 };

TEST_P(ContainerOverhead, FollowsTheSelectedContainer)
{
    struct Case {
        const char* name;
        Container container;
        const char* length;
        const char* rate;
        const char* disk;
        double expected;
    };
    const Case cases[] = {
        {"AVI without a length", Avi, "0", "25", "0", 2955},
        {"AVI 1500 frames", Avi, "60", "25", "0", 39705},
        {"AVI fractional frames", Avi, "60.5", "29.97", "0", 47378},
        {"OGM, disk space cleaned first", Ogm, "60", "25", "1000000 bytes", 11000},
        {"OGM floored", Ogm, "60", "25", "999999", 10999},
        {"empty entry", None, "60", "25", "1000000", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Norv n{GetParam()};
        settings::save(n.store, settings::kOverhead, "1");
        Norv_main& m = n.start();
        m.containerselector.setListIndex(c.container);
        m.lenght.userEdit(n.dec(c.length));
        m.framerate.userEdit(n.dec(c.rate));
        m.diskspace.userEdit(c.disk);

        const MaybeNumber overhead = m.ContainerOverhead();

        EXPECT_FALSE(overhead.empty());
        EXPECT_EQ(overhead.number(), c.expected);
    }
}

TEST_P(ContainerOverhead, IsOnOnlyForAStoredOne)
{
    struct Case {
        const char* stored;
        bool on;
    };
    // The stored value is read the same way whatever the user's notation.
    const Case cases[] = {
        {"1", true},    {" 1", true},    {"1.0", true},     {"1,5", true}, {"2", false},
        {"0.5", false}, {"abc", false}, {"1e999", false}, {"", false},   {"0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Norv n{GetParam()};
        Norv_main& m = n.start();
        // Read afresh at each call: no restart needed.
        settings::save(n.store, settings::kOverhead, c.stored);

        const MaybeNumber overhead = m.ContainerOverhead();

        EXPECT_EQ(overhead.empty(), !c.on);
        EXPECT_EQ(overhead.number(), c.on ? 2955 : 0); // AVI without a length
        EXPECT_EQ(n.shownError(), "");
    }
}

NORV_BOTH_LOCALES(VideoBitrate);
NORV_BOTH_LOCALES(ContainerOverhead);

} // namespace
} // namespace norv::test

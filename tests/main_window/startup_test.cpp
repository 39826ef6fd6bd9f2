// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "streams/add_stream.h"

namespace norv::test {
namespace {

class Startup : public BothLocales {};

TEST_P(Startup, EndsInTheDocumentedState)
{
    Norv_main& m = norv.start();

    EXPECT_EQ(m.caption(), "Norv2");
    EXPECT_TRUE(m.visible());
    EXPECT_TRUE(m.diskspace.hasFocus());
    EXPECT_EQ(m.diskspace.text(), "0");
    EXPECT_EQ(m.lenght.text(), "0");
    EXPECT_EQ(m.framerate.text(), "25");
    EXPECT_EQ(m.prop1.text(), "720");
    EXPECT_EQ(m.prop2.text(), "576");
    EXPECT_EQ(m.xdivisible.text(), "1");
    EXPECT_EQ(m.ydivisible.text(), "1");
    EXPECT_EQ(m.fwidth.text(), "720");
    EXPECT_EQ(m.fheight.text(), "576");
    EXPECT_EQ(m.properror.text(), "0%");
    EXPECT_EQ(m.videoquality.text(), "0");

    EXPECT_EQ(m.fwidths.min(), 1);
    EXPECT_EQ(m.fwidths.max(), 2000);
    EXPECT_EQ(m.fwidths.value(), 720);
    EXPECT_EQ(m.fheights.min(), 1);
    EXPECT_EQ(m.fheights.max(), 2000);
    EXPECT_EQ(m.fheights.value(), 576);
    // The length written over its placeholder refreshed the quality figure,
    // which leaves no geometry control marked as focused and the slider at its minimum.
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(m.videoqualitys.value(), 1);
    EXPECT_EQ(m.maxwidth.number(), 2000);
    EXPECT_EQ(m.maxheight, 2000);

    EXPECT_EQ(m.containerselector.items(), (std::vector<std::string>{"AVI", "", "OGM"}));
    EXPECT_EQ(m.containerselector.text(), "AVI");
    EXPECT_FALSE(m.containerselector.enabled()); // overhead is off on a first run

    EXPECT_FALSE(m.videoquality.enabled());
    EXPECT_FALSE(m.videoqualitys.enabled());
    EXPECT_FALSE(m.Label8.enabled());
    EXPECT_FALSE(m.properror.enabled());
    EXPECT_EQ(m.properror.backColor(), SystemColor::Menu);
    EXPECT_EQ(m.streamlist.listCount(), 0);
}

TEST_P(Startup, CreatesTheOtherWindowsHiddenAndWritesTheDefaults)
{
    norv.start();
    ASSERT_NE(norv.app.find<Norv_option>(), nullptr);
    ASSERT_NE(norv.app.find<Norv_error>(), nullptr);
    ASSERT_NE(norv.app.find<AddStream>(), nullptr);
    EXPECT_FALSE(norv.app.find<Norv_option>()->visible());
    EXPECT_FALSE(norv.app.find<Norv_error>()->visible());
    EXPECT_FALSE(norv.app.find<AddStream>()->visible());
    EXPECT_EQ(settings::get(norv.store, settings::kLanguage), "English");
    EXPECT_EQ(settings::get(norv.store, settings::kOverhead), "0");
    EXPECT_EQ(norv.main().Label2.caption(), "Lenght");
}

TEST_P(Startup, ClosingTheMainWindowClosesEveryWindowAndEnds)
{
    norv.start();
    norv.main().Option.userClick();
    norv.main().About.userClick();
    bool ended = false;
    norv.app.ended.subscribe([&] { ended = true; });

    norv.main().userClose();

    EXPECT_TRUE(ended);
    EXPECT_FALSE(norv.app.running());
}

NORV_BOTH_LOCALES(Startup);

} // namespace
} // namespace norv::test

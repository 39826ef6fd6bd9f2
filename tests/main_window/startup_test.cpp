// SPDX-License-Identifier: GPL-3.0-or-later
// The state the start-up leaves, and closing the main window.
#include "support/norv_fixture.h"

#include "language_options/about_form.h"

namespace norv::test {
namespace {

class Startup : public BothLocales {};

TEST_P(Startup, EndsWithItsStartTextsAndTheDependentControlsOff)
{
    Norv_main& m = norv.start();

    EXPECT_TRUE(m.diskspace.hasFocus());
    for (const auto& [field, text] : std::initializer_list<std::pair<TextBox*, const char*>>{
             {&m.diskspace, "0"}, {&m.lenght, "0"}, {&m.framerate, "25"}, {&m.prop1, "720"},
             {&m.prop2, "576"}, {&m.xdivisible, "1"}, {&m.ydivisible, "1"}, {&m.fwidth, "720"},
             {&m.fheight, "576"}, {&m.properror, "0%"}, {&m.videoquality, "0"}})
        EXPECT_EQ(field->text(), text) << field->name();
    for (const auto& [slider, value] :
         std::initializer_list<std::pair<Slider*, int>>{{&m.fwidths, 720}, {&m.fheights, 576}})
        EXPECT_EQ((std::vector<int>{slider->min(), slider->max(), slider->value()}),
                  (std::vector<int>{1, 2000, value}));
    // The length written over its placeholder refreshed the quality figure,
    // which leaves no geometry control marked as focused and the slider at its minimum.
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(m.videoqualitys.value(), 1);
    EXPECT_EQ(m.containerselector.items(), (std::vector<std::string>{"AVI", "", "OGM"}));
    EXPECT_EQ(m.containerselector.text(), "AVI");
    // Overhead is off on a first run, and no bitrate gives a figure yet.
    for (const Control* off : std::initializer_list<const Control*>{
             &m.containerselector, &m.videoquality, &m.videoqualitys, &m.Label8})
        EXPECT_FALSE(off->enabled()) << off->name();
    // The language step created the other windows, hidden.
    EXPECT_EQ(norv.app.windows().size(), 4u);
    for (const Window* w : norv.app.windows())
        EXPECT_EQ(w->visible(), w == &m) << w->name();
}

TEST_P(Startup, ClosingTheMainWindowClosesEveryWindowAndEnds)
{
    // State: the options and About windows open beside the main window.
    Norv_main& m = norv.start();
    m.Option.userClick();
    m.About.userClick();
    ASSERT_TRUE(norv.app.find<AboutForm>()->visible());
    bool ended = false;
    norv.app.ended.subscribe([&] { ended = true; });

    // Action
    m.userClose();

    // Expected
    EXPECT_TRUE(norv.app.windows().empty());
    EXPECT_TRUE(ended);
}

NORV_BOTH_LOCALES(Startup);

} // namespace
} // namespace norv::test

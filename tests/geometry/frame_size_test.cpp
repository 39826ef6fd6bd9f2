// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

class FrameSizeRules : public BothLocales {
protected:
    // Runs every later Change of the control through a counter.
    static void countRuns(Handler& change, int& runs)
    {
        change = [original = change, &runs] {
            ++runs;
            original();
        };
    }
};

TEST_P(FrameSizeRules, StartupLeavesTheGeometryAtRestAndReady)
{
    // State: start-up ran the geometry handlers for every text it wrote.
    Norv_main& m = norv.start();
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(m.videoqualitys.value(), 1);

    // Action: the first width the user types.
    m.fwidth.setFocus();
    m.fwidth.setText("360");

    // Expected: the start-up ratio and multiples apply; no bitrate, so a figure of 0.
    EXPECT_EQ(m.fheight.text(), "288");
    EXPECT_EQ(m.fwidths.value(), 360);
    EXPECT_EQ(m.fheights.value(), 288);
    EXPECT_EQ(m.videoquality.text(), "0");
    EXPECT_EQ(m.videoqualitys.value(), 1);
    EXPECT_EQ(m.properror.text(), "0%");
}

TEST_P(FrameSizeRules, TypedWidthSnapsAndDrivesHeightQualityAndSliders)
{
    Norv_main& m = norv.start();
    useMultiplesOf16(m);
    addVideoMegabit(norv);

    m.fwidth.setFocus();
    m.fwidth.setText("700");

    EXPECT_EQ(m.hasfocus, Norv_main::FocusWidth);
    EXPECT_EQ(m.fwidth.text(), "704");
    EXPECT_EQ(m.fheight.text(), "560");
    EXPECT_EQ(m.videoquality.text(), norv.dec("1014.61038961039"));
    EXPECT_EQ(m.fwidths.value(), 44);
    EXPECT_EQ(m.fheights.value(), 35);
    EXPECT_EQ(m.videoqualitys.value(), 1015);
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");
}

// Sizes typed into a field with the focus, ratio 720:576, both multiples equal.
TEST_P(FrameSizeRules, TypedSizeSnapsToTheNearestMultiple)
{
    struct Row {
        std::string multiple;
        bool height; // typed into fheight instead of fwidth
        std::string typed, width, heightText;
        int widthSlider, heightSlider;
    };
    const std::vector<Row> rows = {
        {"16", false, "72", "64", "48", 4, 3}, // 4.5 multiples round to 4
        {"16", true, "300", "384", "304", 24, 19},
        // Below one multiple: left as typed; no height, sliders at their minimum.
        {"16", false, "7", "7", "0", 1, 1},
        // The fields take any size; the sliders stop at their maximum.
        {"1", false, "3000", "3000", "2400", 2000, 2000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed + " with multiples " + row.multiple);
        Norv run(GetParam());
        Norv_main& m = run.start();
        m.xdivisible.setText(row.multiple);
        m.ydivisible.setText(row.multiple);
        TextBox& field = row.height ? m.fheight : m.fwidth;

        field.setFocus();
        field.setText(row.typed);

        EXPECT_EQ(m.fwidth.text(), row.width);
        EXPECT_EQ(m.fheight.text(), row.heightText);
        EXPECT_EQ(m.fwidths.value(), row.widthSlider);
        EXPECT_EQ(m.fheights.value(), row.heightSlider);
    }
}

TEST_P(FrameSizeRules, LeavingAWidthBelowOneMultipleMakesItZero)
{
    Norv_main& m = norv.start();
    useMultiplesOf16(m);
    m.fwidth.setFocus();
    m.fwidth.setText("7");
    ASSERT_EQ(m.fheight.text(), "0");

    m.diskspace.setFocus();

    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(m.fwidth.text(), "0");
    EXPECT_EQ(m.fheight.text(), "0");
    EXPECT_EQ(m.properror.text(), "0%"); // no height: the text stays
}

TEST_P(FrameSizeRules, CodeWritesAndLeavingTheFieldOnlyRefresh)
{
    // State: multiples 16, 720 x 576; the focus is on diskspace.
    Norv_main& m = norv.start();
    useMultiplesOf16(m);
    addVideoMegabit(norv);
    int heightRuns = 0;
    int sliderRuns = 0;
    countRuns(m.fheight.Change, heightRuns);
    countRuns(m.fwidths.Change, sliderRuns);
    const std::string quality = m.videoquality.text();

    // Action: a width written by code, the field not focused.
    m.fwidth.setText("700");

    // Expected: only the proportion error follows.
    EXPECT_EQ(m.fwidth.text(), "700");
    EXPECT_EQ(m.fheight.text(), "576");
    EXPECT_EQ(m.fwidths.value(), 45);
    EXPECT_EQ(m.fheights.value(), 36);
    EXPECT_EQ(m.videoquality.text(), quality);
    EXPECT_EQ(m.properror.text(), norv.dec("2.78") + "%");

    // Action: through the field and out again.
    m.fwidth.setFocus();
    m.diskspace.setFocus();

    // Expected: rounded down to a multiple (43.75 to 43), nothing else recomputed.
    EXPECT_EQ(m.fwidth.text(), "688");
    EXPECT_EQ(m.fheight.text(), "576");
    EXPECT_EQ(m.fwidths.value(), 45);
    EXPECT_EQ(m.videoquality.text(), quality);
    EXPECT_EQ(m.properror.text(), norv.dec("4.44") + "%");
    EXPECT_EQ(heightRuns, 0);
    EXPECT_EQ(sliderRuns, 0);
}

TEST_P(FrameSizeRules, SliderAtOneKeepsTheOtherSizeAtLeastOneMultiple)
{
    struct Row {
        bool heightSlider; // moved instead of the width slider
        std::string multiple, p1, p2, width, height;
    };
    const std::vector<Row> rows = {
        {false, "16", "720", "576", "16", "16"}, // 0.8 multiples round to 1
        {false, "1", "720", "2", "1", "1"},      // 0.0028 rounds to 0, raised to one multiple
        {true, "16", "720", "576", "16", "16"},  // 1.25 multiples round to 1
        {true, "1", "2", "576", "1", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.heightSlider ? "height" : "width") + " slider, multiple " +
                     row.multiple + ", ratio " + row.p1 + ":" + row.p2);
        Norv run(GetParam());
        Norv_main& m = run.start();
        m.xdivisible.setText(row.multiple);
        m.ydivisible.setText(row.multiple);
        m.prop1.setText(row.p1);
        m.prop2.setText(row.p2);
        Slider& moved = row.heightSlider ? m.fheights : m.fwidths;

        moved.userFocus();
        moved.userMove(1);

        EXPECT_EQ(m.hasfocus, row.heightSlider ? Norv_main::FocusHeightSlider
                                               : Norv_main::FocusWidthSlider);
        EXPECT_EQ(m.fwidth.text(), row.width);
        EXPECT_EQ(m.fheight.text(), row.height);
        EXPECT_EQ(m.fwidths.value(), 1);
        EXPECT_EQ(m.fheights.value(), 1);
        EXPECT_TRUE(run.shownError().empty());
    }
}

TEST_P(FrameSizeRules, NoFrameRateKeepsTheFigureButResetsItsSlider)
{
    Norv_main& m = norv.start();
    addVideoMegabit(norv);
    m.fwidth.setFocus();
    m.fwidth.setText("704");
    const std::string figure = m.videoquality.text();
    ASSERT_EQ(figure, norv.dec("1009.20393993218")); // 704 x 563
    m.diskspace.setFocus();
    m.videoqualitys.setValue(100); // written by code: nothing else follows
    m.framerate.setText("0");

    m.fwidth.setFocus();
    m.fwidth.setText("640");

    EXPECT_EQ(m.fheight.text(), "512");
    EXPECT_EQ(m.videoquality.text(), figure);
    EXPECT_EQ(m.videoqualitys.value(), 1009);
}

TEST_P(FrameSizeRules, RatioEditsWaitForTheNextSizeEdit)
{
    Norv_main& m = norv.start();

    m.prop1.setText("4");
    m.prop2.setText("3");

    EXPECT_EQ(m.fwidth.text(), "720");
    EXPECT_EQ(m.fheight.text(), "576");
    EXPECT_EQ(m.fwidths.value(), 720);
    EXPECT_EQ(m.fheights.value(), 576);
    EXPECT_EQ(m.properror.text(), "0%");

    m.fwidth.setFocus();
    m.fwidth.setText("640");

    EXPECT_EQ(m.fheight.text(), "480");
    EXPECT_EQ(m.properror.text(), "0%");
}

NORV_BOTH_LOCALES(FrameSizeRules);

} // namespace
} // namespace norv::test

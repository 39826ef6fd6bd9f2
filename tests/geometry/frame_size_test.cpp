// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

class FrameSizeRules : public BothLocales {};
class FrameSizeExample : public GeometryExample {};

TEST_P(FrameSizeExample, TypedWidthSnapsAndDrivesHeightQualityAndSliders)
{
    Norv_main& m = norv.main();

    m.fwidth.setFocus();
    m.fwidth.setText("700");

    expectFrame(m, "704", "560", 44, 35);
    EXPECT_EQ(m.videoquality.text(), norv.dec("1014.61038961039"));
    EXPECT_EQ(m.videoqualitys.value(), 1015);
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");
}

TEST_P(FrameSizeExample, CodeWritesAndLeavingTheFieldOnlyRefresh)
{
    // State: no figure yet; the focus is on diskspace.
    Norv_main& m = norv.main();

    // Action: a width written by code, the field not focused.
    m.fwidth.setText("700");

    // Expected: only the proportion error follows.
    expectFrame(m, "700", "576", 45, 36);
    EXPECT_EQ(m.properror.text(), norv.dec("2.78") + "%");

    // Action: through the field and out again.
    m.fwidth.setFocus();
    m.diskspace.setFocus();

    // Expected: rounded down to a multiple (43.75 to 43), nothing else recomputed.
    expectFrame(m, "688", "576", 45, 36);
    EXPECT_EQ(m.videoquality.text(), "0");
    EXPECT_EQ(m.properror.text(), norv.dec("4.44") + "%");
}

TEST_P(FrameSizeExample, NoFrameRateKeepsTheFigureButResetsItsSlider)
{
    // State: the figure of 704 x 560; the slider moved by code; no frame rate.
    Norv_main& m = norv.main();
    m.fwidth.setFocus();
    m.fwidth.setText("700");
    m.diskspace.setFocus();
    m.videoqualitys.setValue(100);
    m.framerate.setText("0");

    // Action
    m.fwidth.setFocus();
    m.fwidth.setText("640");

    // Expected: the height follows; the slider reads the unchanged figure again.
    EXPECT_EQ(m.fheight.text(), "512");
    EXPECT_EQ(m.videoquality.text(), norv.dec("1014.61038961039"));
    EXPECT_EQ(m.videoqualitys.value(), 1015);
}

// Sizes typed into a field with the focus (ratio 720:576, both multiples
// equal), then the field left: typing snaps to the nearest multiple, leaving
// rounds down to one.
TEST_P(FrameSizeRules, TypedSizeSnapsAndLeavingRoundsDown)
{
    struct Row {
        std::string multiple;
        bool height; // typed into fheight instead of fwidth
        std::string typed, width, heightText;
        int widthSlider, heightSlider;
        std::string left; // the typed field once left
    };
    const std::vector<Row> rows = {
        {"1", false, "360", "360", "288", 360, 288, "360"}, // the first edit after start-up
        {"16", false, "72", "64", "48", 4, 3, "64"},        // 4.5 multiples round to 4
        {"16", true, "300", "384", "304", 24, 19, "304"},
        // Below one multiple: left as typed; no height, sliders at their minimum.
        {"16", false, "7", "7", "0", 1, 1, "0"},
        // The fields take any size; the sliders stop at their maximum.
        {"1", false, "3000", "3000", "2400", 2000, 2000, "3000"},
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
        expectFrame(m, row.width, row.heightText, row.widthSlider, row.heightSlider);

        m.diskspace.setFocus();
        EXPECT_EQ(field.text(), row.left);
    }
}

// A slider moved to 1 with a ratio far from square: the other size rounds to
// no multiple at all and is raised to one.
TEST_P(FrameSizeRules, SliderAtOneKeepsTheOtherSizeAtLeastOneMultiple)
{
    for (const bool heightSlider : {false, true}) {
        SCOPED_TRACE(heightSlider ? "height slider, ratio 2:576" : "width slider, ratio 720:2");
        Norv run(GetParam());
        Norv_main& m = run.start();
        useMultiplesOf16(m);
        m.prop1.setText(heightSlider ? "2" : "720");
        m.prop2.setText(heightSlider ? "576" : "2");
        Slider& moved = heightSlider ? m.fheights : m.fwidths;

        moved.userFocus();
        moved.userMove(1);

        expectFrame(m, "16", "16", 1, 1);
        EXPECT_TRUE(run.shownError().empty());
    }
}

NORV_BOTH_LOCALES(FrameSizeRules);
NORV_BOTH_LOCALES(FrameSizeExample);

} // namespace
} // namespace norv::test

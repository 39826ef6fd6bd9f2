// SPDX-License-Identifier: GPL-3.0-or-later
// The frame size fields and sliders, and the quality figure that trades the
// frame against the bitrate.
#include "geometry/geometry_setup.h"

namespace norv::test {
namespace {

class FrameSize : public BothLocales {};

// The worked examples' state: 720 x 576 at ratio 720:576, multiples 16, 25 fps
// and a video stream of 1000000 bit/s, so the quality controls are enabled.
Norv_main& example(Norv& norv)
{
    setShape(norv.start(), "720", "576", "16");
    norv.addRow("Video", "", "1000000", "bit/s");
    norv.main().ParseFields();
    return norv.main();
}

TEST_P(FrameSize, WidthWrittenByCodeThenLeftThenTyped)
{
    Norv_main& m = example(norv);

    // Action: a width written by code, the field not focused.
    // Expected: only the proportion error follows.
    m.fwidth.setText("700");
    expectFrame(m, "700", "576", 45, 36);
    EXPECT_EQ(m.properror.text(), norv.dec("2.78") + "%");

    // Action: through the field and out again.
    // Expected: rounded down to a multiple (43.75 to 43), nothing else recomputed.
    m.fwidth.setFocus();
    m.diskspace.setFocus();
    expectFrame(m, "688", "576", 45, 36);
    EXPECT_EQ(m.properror.text(), norv.dec("4.44") + "%");

    // Action: 700 typed. Expected: snapped to 704; height, figure and sliders follow.
    m.fwidth.setFocus();
    m.fwidth.setText("700");
    expectFrame(m, "704", "560", 44, 35, 1015);
    EXPECT_EQ(m.videoquality.text(), norv.dec("1014.61038961039"));
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");

    // Action: the quality slider moved by code, no frame rate, 640 typed.
    // Expected: the figure stays and its slider reads it again.
    m.videoqualitys.setValue(100);
    m.framerate.setText("0");
    m.fwidth.setText("640");
    EXPECT_EQ(m.videoquality.text(), norv.dec("1014.61038961039"));
    EXPECT_EQ(m.videoqualitys.value(), 1015);
}

TEST_P(FrameSize, TypedFigureOrSliderGivesTheFrameTheBitrateAllows)
{
    Norv_main& m = example(norv);
    m.videoquality.setFocus();

    m.videoquality.setText(norv.dec("1220.703125"));
    expectFrame(m, "640", "512", 40, 32, 1221);
    EXPECT_EQ(m.videoquality.text(), norv.dec("1220.703125")); // kept as typed

    // No figure: nothing moves.
    m.videoquality.setText("0");
    expectFrame(m, "640", "512", 40, 32, 1221);

    // Beyond the slider: the frame still follows, the slider stops at its end.
    m.videoquality.setText("20000");
    expectFrame(m, "160", "128", 10, 8, 10000);

    // The slider: the frame its figure allows, and the figure written.
    m.videoqualitys.userFocus();
    m.videoqualitys.userMove(1015);
    expectFrame(m, "704", "560", 44, 35, 1015);
    EXPECT_EQ(m.videoquality.text(), "1015");
}

// Sizes typed into a focused field (ratio 720:576), then the field left:
// typing snaps to the nearest multiple, leaving rounds down to one.
TEST_P(FrameSize, TypedSizeSnapsAndLeavingRoundsDown)
{
    struct Row { // height: typed into fheight; left: the typed field once left
        const char *multiple; bool height; const char *typed, *width, *heightText;
        int widthSlider, heightSlider; const char* left;
    };
    const Row rows[] = {
        {"1", false, "360", "360", "288", 360, 288, "360"}, // the first edit after start-up
        {"16", false, "72", "64", "48", 4, 3, "64"},        // 4.5 multiples round to 4
        {"16", true, "300", "384", "304", 24, 19, "304"},
        // Below one multiple: left as typed; no height, sliders at their minimum.
        {"16", false, "7", "7", "0", 1, 1, "0"},
        // The fields take any size; the sliders stop at their maximum.
        {"1", false, "3000", "3000", "2400", 2000, 2000, "3000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.typed) + " with multiples " + row.multiple);
        Norv run(GetParam());
        Norv_main& m = run.start();
        setShape(m, "720", "576", row.multiple);
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
TEST_P(FrameSize, SliderAtOneKeepsTheOtherSizeAtLeastOneMultiple)
{
    for (const bool height : {false, true}) {
        SCOPED_TRACE(height ? "height slider, ratio 2:576" : "width slider, ratio 720:2");
        Norv run(GetParam());
        Norv_main& m = run.start();
        setShape(m, height ? "2" : "720", height ? "576" : "2", "16");
        Slider& moved = height ? m.fheights : m.fwidths;

        moved.userFocus();
        moved.userMove(1);

        expectFrame(m, "16", "16", 1, 1);
    }
}

NORV_BOTH_LOCALES(FrameSize);

} // namespace
} // namespace norv::test

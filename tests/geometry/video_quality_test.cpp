// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include <cstdint>
#include <vector>

namespace norv::test {
namespace {

class QualityFigure : public GeometryExample {};

TEST_P(QualityFigure, TypedFigureGivesTheFrameTheBitrateAllows)
{
    Norv_main& m = norv.main();
    m.videoquality.setFocus();

    m.videoquality.setText(norv.dec("1220.703125"));
    expectFrame(m, "640", "512", 40, 32);
    EXPECT_EQ(m.videoqualitys.value(), 1221);
    EXPECT_EQ(m.videoquality.text(), norv.dec("1220.703125")); // kept as typed

    // No figure: nothing moves.
    m.videoquality.setText("0");
    expectFrame(m, "640", "512", 40, 32);
    EXPECT_EQ(m.videoqualitys.value(), 1221);

    // Beyond the slider: the frame still follows, the slider stops at its end.
    m.videoquality.setText("20000");
    expectFrame(m, "160", "128", 10, 8);
    EXPECT_EQ(m.videoqualitys.value(), 10000);
}

TEST_P(QualityFigure, SliderSetsTheFrameAndWritesItsFigure)
{
    Norv_main& m = norv.main();
    std::vector<std::int32_t> focusSeenByTheField;
    m.videoquality.Change = [&m, &focusSeenByTheField, original = m.videoquality.Change] {
        focusSeenByTheField.push_back(m.hasfocus);
        original();
    };

    m.videoqualitys.userFocus();
    m.videoqualitys.userMove(1015);

    expectFrame(m, "704", "560", 44, 35);
    EXPECT_EQ(m.videoqualitys.value(), 1015);
    EXPECT_EQ(m.videoquality.text(), "1015");
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");
    // The figure written by the slider ran the field's handler once, under the
    // slider's focus code, so the field's own rule did not run.
    EXPECT_EQ(focusSeenByTheField, std::vector<std::int32_t>{Norv_main::FocusQualitySlider});
}

// Inputs the rules cannot compute, entered by the user: the error window
// reports the error, what was written before it stays, and Norv goes on.
TEST_P(QualityFigure, UncomputableInputsAreReportedAndNorvGoesOn)
{
    Norv_main& m = norv.main();
    // A negative ratio: no square root for the typed figure.
    m.prop1.userEdit("-720");
    m.videoquality.userFocus();
    m.videoquality.userEdit("1000");
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Invalid procedure call or argument");
    EXPECT_EQ(m.videoquality.text(), "1000");
    norv.app.find<Norv_error>()->Riprendi.userClick();
    m.prop1.userEdit("720");

    // A width of more multiples than 32 bits hold.
    m.fwidth.userFocus();
    m.fwidth.userEdit("1E+11");
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Overflow");
    EXPECT_EQ(m.fwidth.text(), "100000000000");
    norv.app.find<Norv_error>()->Riprendi.userClick();

    m.fwidth.userEdit("700");
    EXPECT_EQ(norv.shownError(), "");
    expectFrame(m, "704", "560", 44, 35);
}

NORV_BOTH_LOCALES(QualityFigure);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

class SizeMultiples : public BothLocales {};

// A new x multiple keeps the height (576, ratio 720:576) and re-derives the
// width rounded down to a whole number of multiples within 2000.
TEST_P(SizeMultiples, XMultipleRescalesTheWidthSlider)
{
    struct Row {
        std::string x; // in point notation
        int max;
        int value;
        std::string width;
    };
    const std::vector<Row> rows = {
        {"16", 125, 45, "720"},
        {"100", 20, 7, "700"},
        {"1000", 2, 1, "1000"}, // 720 \ 1000 is 0, held at the minimum
        {"2.5", 1000, 360, "900"}, // the slider counts whole multiples of 2
        // Larger than the largest width: the range keeps its one position.
        {"3000", 1, 1, "3000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("x multiple " + row.x);
        Norv run(GetParam());
        Norv_main& m = run.start();

        m.xdivisible.setText(run.dec(row.x));

        EXPECT_EQ(m.fwidths.min(), 1);
        EXPECT_EQ(m.fwidths.max(), row.max);
        EXPECT_EQ(m.fwidths.value(), row.value);
        EXPECT_EQ(m.fwidth.text(), run.dec(row.width));
        EXPECT_EQ(m.fheight.text(), "576");
        EXPECT_EQ(m.fheights.max(), 2000);
        EXPECT_EQ(m.fheights.value(), 576);
        EXPECT_TRUE(run.shownError().empty());
    }
}

TEST_P(SizeMultiples, YMultipleRescalesTheHeightSlider)
{
    Norv_main& m = norv.start();
    m.xdivisible.setText("16");

    m.ydivisible.setText("16");

    EXPECT_EQ(m.fheights.max(), 125);
    EXPECT_EQ(m.fheights.value(), 36);
    EXPECT_EQ(m.fheight.text(), "576");
    EXPECT_EQ(m.fwidths.max(), 125);
    EXPECT_EQ(m.fwidths.value(), 45);
    EXPECT_EQ(m.fwidth.text(), "720");
}

TEST_P(SizeMultiples, WidthAskedByTheRatioBeyondTheSliderIsHeldAtItsMaximum)
{
    // State: ratio 16:9, height 2000, x multiple 2.
    Norv_main& m = norv.start();
    m.prop1.setText("16");
    m.prop2.setText("9");
    m.xdivisible.setText("2");
    m.fheight.setText("2000");

    // Action: back to multiples of 1; the ratio asks for a width of 3556.
    m.xdivisible.setText("1");

    // Expected
    EXPECT_EQ(m.fwidths.max(), 2000);
    EXPECT_EQ(m.fwidths.value(), 2000);
    EXPECT_EQ(m.fwidth.text(), "2000");
    EXPECT_EQ(m.fheight.text(), "2000");
}

// Each row starts from a fresh program; the sizes are written by code, so only
// the proportion error follows them.
TEST_P(SizeMultiples, ProportionErrorIsTheShapeAgainstTheRatio)
{
    struct Row {
        std::string p1, p2, width, height;
        std::string error; // in point notation
    };
    const std::vector<Row> rows = {
        {"720", "576", "1440", "1152", "0%"},
        {"720", "576", "704", "560", "-0.57%"},
        {"720", "576", "700", "576", "2.78%"},
        {"4", "3", "720", "480", "-12.5%"},
        // -0.001 rounds to -0.00, written without a sign.
        {"1", "1", "100001", "100000", "0%"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width + " x " + row.height + " at " + row.p1 + ":" + row.p2);
        Norv run(GetParam());
        Norv_main& m = run.start();
        m.prop1.setText(row.p1);
        m.prop2.setText(row.p2);

        m.fwidth.setText(row.width);
        m.fheight.setText(row.height);

        EXPECT_EQ(m.properror.text(), run.dec(row.error));
        EXPECT_EQ(m.fwidth.text(), row.width);
        EXPECT_EQ(m.fheight.text(), row.height);
    }
}

TEST_P(SizeMultiples, ProportionErrorKeepsItsTextWithoutAHeightOrARatio)
{
    Norv_main& m = norv.start();
    m.fwidth.setText("704");
    m.fheight.setText("560");
    ASSERT_EQ(m.properror.text(), norv.dec("-0.57") + "%");

    m.fheight.setText("0");
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");

    m.fheight.setText("560");
    m.prop2.setText("-576");
    m.fwidth.setText("640");
    EXPECT_EQ(m.properror.text(), norv.dec("-0.57") + "%");
}

NORV_BOTH_LOCALES(SizeMultiples);

} // namespace
} // namespace norv::test

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
        std::string x, width; // in point notation
        int max, value;
    };
    const std::vector<Row> rows = {
        {"16", "720", 125, 45},
        {"100", "700", 20, 7},
        {"1000", "1000", 2, 1},    // 720 \ 1000 is 0, held at the minimum
        {"2.5", "900", 1000, 360}, // the slider counts whole multiples of 2
        {"3000", "3000", 1, 1},    // beyond the largest width: one position
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("x multiple " + row.x);
        Norv run(GetParam());
        Norv_main& m = run.start();

        m.xdivisible.setText(run.dec(row.x));

        EXPECT_EQ(m.fwidths.max(), row.max);
        EXPECT_EQ(m.fwidths.value(), row.value);
        EXPECT_EQ(m.fwidth.text(), run.dec(row.width));
        EXPECT_EQ(m.fheight.text(), "576");
    }
}

TEST_P(SizeMultiples, YMultipleRescalesTheHeightSlider)
{
    Norv_main& m = norv.start();
    useMultiplesOf16(m);
    EXPECT_EQ(m.fheights.max(), 125);
    expectFrame(m, "720", "576", 45, 36);
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

    // Expected: the height slider was not moved by the code write.
    EXPECT_EQ(m.fwidths.max(), 2000);
    expectFrame(m, "2000", "2000", 2000, 576);
}

// The ratio and sizes are written by code: a ratio edit waits for the next
// size edit, which refreshes only the proportion error.
TEST_P(SizeMultiples, ProportionErrorIsTheShapeAgainstTheRatio)
{
    Norv_main& m = norv.start();
    m.prop1.setText("4");
    m.prop2.setText("3");
    expectFrame(m, "720", "576", 720, 576);
    EXPECT_EQ(m.properror.text(), "0%");

    m.fheight.setText("480");
    EXPECT_EQ(m.fwidth.text(), "720");
    EXPECT_EQ(m.properror.text(), norv.dec("-12.5") + "%");

    // Without a height or a positive ratio the text stays.
    m.fheight.setText("0");
    m.prop2.setText("-3");
    m.fheight.setText("480");
    EXPECT_EQ(m.properror.text(), norv.dec("-12.5") + "%");

    // -0.001 rounds to -0.00, written without a sign.
    m.prop1.setText("1");
    m.prop2.setText("1");
    m.fwidth.setText("100001");
    m.fheight.setText("100000");
    EXPECT_EQ(m.properror.text(), "0%");
}

NORV_BOTH_LOCALES(SizeMultiples);

} // namespace
} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

namespace norv::test {
namespace {

class SizeMultiples : public BothLocales {};

// A new multiple keeps the other axis and re-derives its own through the
// ratio, rounded down to a whole number of multiples within 2000. The rows
// are for the width; the height, with the ratio turned round, mirrors them.
TEST_P(SizeMultiples, MultipleKeepsTheOtherSizeAndRescalesItsSlider)
{
    struct Row { // x in point notation
        const char *p1, *p2, *height, *x; int max, value; const char* width;
    };
    const Row rows[] = {
        {"720", "576", "576", "16", 125, 45, "720"},
        {"720", "576", "576", "100", 20, 7, "700"},
        {"720", "576", "576", "1000", 2, 1, "1000"},  // 720 \ 1000 is 0, held at the minimum
        {"720", "576", "576", "2.5", 1000, 360, "900"}, // the slider counts whole multiples of 2
        {"720", "576", "576", "3000", 1, 1, "3000"},    // beyond the largest width: one position
        {"16", "9", "2000", "2", 1000, 1000, "2000"},   // 3556 asked for: held at the maximum
    };
    for (const bool height : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(height ? "height, " : "width, ") + row.p1 + ":" + row.p2 + ", multiple " + row.x);
            Norv run(GetParam());
            Norv_main& m = run.start();
            setShape(m, height ? row.p2 : row.p1, height ? row.p1 : row.p2, "1");
            (height ? m.fwidth : m.fheight).setText(row.height);

            (height ? m.ydivisible : m.xdivisible).setText(run.dec(row.x));

            // Code writes leave the other slider where start-up put it.
            EXPECT_EQ((height ? m.fheights : m.fwidths).max(), row.max);
            if (height)
                expectFrame(m, row.height, row.width, 720, row.value);
            else
                expectFrame(m, row.width, row.height, row.value, 576);
        }
    }
}

// The ratio and sizes are written by code: a ratio edit waits for the next
// size edit, which refreshes only the proportion error.
TEST_P(SizeMultiples, ProportionErrorIsTheShapeAgainstTheRatio)
{
    Norv_main& m = norv.start();
    setShape(m, "4", "3", "1");
    EXPECT_EQ(m.properror.text(), "0%");

    m.fheight.setText("480");
    EXPECT_EQ(m.properror.text(), norv.dec("-12.5") + "%");

    // Without a height or a positive ratio the text stays.
    m.fheight.setText("0");
    m.prop2.setText("-3");
    m.fheight.setText("480");
    EXPECT_EQ(m.properror.text(), norv.dec("-12.5") + "%");
}

NORV_BOTH_LOCALES(SizeMultiples);

} // namespace
} // namespace norv::test

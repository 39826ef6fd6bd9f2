// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/norv_fixture.h"

#include <string>

namespace norv::test {

// Multiples of 16 on both axes: the sliders count 16-pixel steps.
inline void useMultiplesOf16(Norv_main& m)
{
    m.xdivisible.setText("16");
    m.ydivisible.setText("16");
}

inline void expectFrame(const Norv_main& m, const std::string& width, const std::string& height,
                        int widthSlider, int heightSlider)
{
    EXPECT_EQ(m.fwidth.text(), width);
    EXPECT_EQ(m.fheight.text(), height);
    EXPECT_EQ(m.fwidths.value(), widthSlider);
    EXPECT_EQ(m.fheights.value(), heightSlider);
}

// The worked examples' state: 720 x 576 at ratio 720:576, multiples 16, 25 fps
// and a video stream of 1000000 bit/s, so the quality controls are enabled.
class GeometryExample : public BothLocales {
protected:
    void SetUp() override
    {
        useMultiplesOf16(norv.start());
        norv.addRow("Video", "", "1000000", "bit/s");
        norv.main().ParseFields();
    }
};

} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/norv_fixture.h"

namespace norv::test {

// Multiples of 16 on both axes: the sliders count 16-pixel steps.
inline void useMultiplesOf16(Norv_main& m)
{
    m.xdivisible.setText("16");
    m.ydivisible.setText("16");
}

// A video stream of 1000000 bit/s, so the quality figure has a bitrate and
// the quality controls are enabled.
inline void addVideoMegabit(Norv& norv)
{
    norv.addRow("Video", "", "1000000", "bit/s");
    norv.main().ParseFields();
}

} // namespace norv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/norv_fixture.h"

#include <string>
#include <tuple>

namespace norv::test {

// The ratio p1:p2, then the same size multiple on both axes, written by code.
inline void setShape(Norv_main& m, const char* p1, const char* p2, const char* multiple)
{
    m.prop1.setText(p1);
    m.prop2.setText(p2);
    m.xdivisible.setText(multiple);
    m.ydivisible.setText(multiple);
}

// Width and height texts, the two size sliders and, where given, the quality slider.
inline void expectFrame(const Norv_main& m, std::string w, std::string h, int ws, int hs, int qs = 0)
{
    EXPECT_EQ(std::tuple(m.fwidth.text(), m.fheight.text(), m.fwidths.value(), m.fheights.value(),
                         qs ? m.videoqualitys.value() : 0),
              std::tuple(w, h, ws, hs, qs));
}

} // namespace norv::test

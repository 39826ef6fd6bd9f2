// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the geometry handlers share.
#include "frame_geometry.h"

namespace norv {

FrameGeometry::FrameGeometry(const Numbers& numbers, CalculationCore& core, const FrameControls& c)
    : FieldNumbers(numbers), m_core(core), m_c(c),
      m_width{c.fwidth, c.fwidths, c.xdivisible, c.prop1, FocusWidth, FocusWidthSlider,
              [&most = c.maxwidth] { return most.number(); }},
      m_height{c.fheight, c.fheights, c.ydivisible, c.prop2, FocusHeight, FocusHeightSlider,
               [&most = c.maxheight] { return double(most); }}
{
}

// The height rule (to the height from the width) and the width rule, its
// mirror: the size the ratio gives, rounded to a multiple.
void FrameGeometry::deriveSize(const Axis& to, const Axis& from)
{
    const Real multiple = LocaleNumber(to.multiple.text());
    const Real size = LocaleNumber(from.size.text());
    const Real fromTerm = LocaleNumber(from.ratio.text());
    const Real toTerm = LocaleNumber(to.ratio.text());
    to.size.setText(NumberText(multiple * RoundHalfEven(size / fromTerm * toTerm / multiple)));
}

void FrameGeometry::qualityRule()
{
    const Real f = LocaleNumber(m_c.framerate.text());
    const Real w = LocaleNumber(m_c.fwidth.text());
    const Real h = LocaleNumber(m_c.fheight.text());
    if (f > 0 && w > 0 && h > 0)
        m_c.videoquality.setText(NumberText(Real(m_core.VideoBitrate()) / w / h / f * 10000));
}

std::int32_t FrameGeometry::inMultiples(const Axis& axis)
{
    return ToLong(Real(LocaleNumber(axis.size.text())) / LocaleNumber(axis.multiple.text()));
}

std::int32_t FrameGeometry::qualityPosition() { return ToLong(LocaleNumber(m_c.videoquality.text())); }

// Each slider is read and written after the previous write.
void FrameGeometry::sliderRule()
{
    m_width.slider.setValue(inMultiples(m_width));
    m_height.slider.setValue(inMultiples(m_height));
    m_c.videoqualitys.setValue(qualityPosition());
}

} // namespace norv

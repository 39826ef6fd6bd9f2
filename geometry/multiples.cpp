// SPDX-License-Identifier: GPL-3.0-or-later
// A new size multiple rescales its slider to count the new multiples, keeps
// the other axis and re-derives this one through the ratio, rounded down;
// the proportion error shows the frame's shape against the ratio.
#include "frame_geometry.h"

namespace norv {

void FrameGeometry::multipleChange(const Axis& axis, const Axis& other)
{
    m_core.ParseFields();
    axis.slider.setMax(IntDiv(axis.most(), LocaleNumber(axis.multiple.text())));
    const Real size = LocaleNumber(other.size.text());
    const Real otherTerm = LocaleNumber(other.ratio.text());
    const Real ownTerm = LocaleNumber(axis.ratio.text());
    axis.slider.setValue(IntDiv(ToLong(size / otherTerm * ownTerm), ToLong(LocaleNumber(axis.multiple.text()))));
    axis.size.setText(NumberText(Real(LocaleNumber(axis.multiple.text())) * axis.slider.value()));
}

// In percent, from the ratio and the frame.
void FrameGeometry::Refresh_PropError()
{
    m_core.ParseFields();
    const Real p2 = LocaleNumber(m_c.prop2.text());
    const Real h = LocaleNumber(m_c.fheight.text());
    if (p2 > 0 && h > 0) {
        const Real w = LocaleNumber(m_c.fwidth.text());
        const Real p1 = LocaleNumber(m_c.prop1.text());
        m_c.properror.setText(NumberText(RoundHalfEven((Real(1) - p2 * w / h / p1) * 100, 2)) + "%");
    }
}

} // namespace norv

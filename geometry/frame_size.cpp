// SPDX-License-Identifier: GPL-3.0-or-later
// The size fields and sliders: the size the user works on drives the other
// axis through the ratio, the quality figure and the sliders.
#include "frame_geometry.h"

namespace norv {

void FrameGeometry::sizeChange(const Axis& axis, const Axis& other)
{
    m_core.ParseFields();
    if (m_c.hasfocus == axis.fieldFocus) {
        const Real size = LocaleNumber(axis.size.text());
        const Real multiple = LocaleNumber(axis.multiple.text());
        if (size >= multiple) // a size below one multiple stays as typed
            axis.size.setText(NumberText(multiple * RoundHalfEven(size / multiple)));
        deriveSize(other, axis);
        qualityRule();
        sliderRule();
    }
    Refresh_PropError();
}

void FrameGeometry::sliderChange(const Axis& axis, const Axis& other)
{
    m_core.ParseFields();
    if (m_c.hasfocus == axis.sliderFocus) {
        axis.size.setText(NumberText(Real(LocaleNumber(axis.multiple.text())) * axis.slider.value()));
        deriveSize(other, axis);
        if (LocaleNumber(other.size.text()) < 1) // at least one multiple
            other.size.setText(other.multiple.text());
        qualityRule();
        other.slider.setValue(inMultiples(other)); // not the slider being moved
        m_c.videoqualitys.setValue(qualityPosition());
    }
    Refresh_PropError();
}

// Leaving a size field rounds it down to a multiple; nothing else follows.
void FrameGeometry::sizeLostFocus(const Axis& axis)
{
    m_core.ParseFields();
    m_c.hasfocus = FocusNone;
    const Real size = LocaleNumber(axis.size.text());
    const Real multiple = LocaleNumber(axis.multiple.text());
    axis.size.setText(NumberText(multiple * Floor(size / multiple)));
}

} // namespace norv

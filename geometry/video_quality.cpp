// SPDX-License-Identifier: GPL-3.0-or-later
// The quality figure, bits per pixel and frame times 10000, set by the user:
// the frame size follows from the video bitrate, the ratio and the multiples.
#include "frame_geometry.h"

#include <cmath>

namespace norv {

void FrameGeometry::widthForQuality(Real quality)
{
    const Real bitrate = m_core.VideoBitrate();
    const Real p1 = LocaleNumber(m_c.prop1.text());
    const Real p2 = LocaleNumber(m_c.prop2.text());
    const Real f = LocaleNumber(m_c.framerate.text());
    const Real radicand = bitrate * p1 * 10000 / p2 / f / quality;
    if (radicand < 0) // the power 0.5 of a negative number
        throw RunTimeError(RunTimeError::InvalidArgument);
    const Real s = std::sqrt(radicand.value());
    const Real x = LocaleNumber(m_c.xdivisible.text());
    m_c.fwidth.setText(NumberText(x * RoundHalfEven(s / x)));
}

// The height follows the snapped width, not the unsnapped square root.
void FrameGeometry::sizesForQuality(Real quality)
{
    widthForQuality(quality);
    deriveSize(m_height, m_width);
    m_width.slider.setValue(inMultiples(m_width));
    m_height.slider.setValue(inMultiples(m_height));
}

void FrameGeometry::videoquality_Change()
{
    m_core.ParseFields();
    const Real q = LocaleNumber(m_c.videoquality.text());
    const Real f = LocaleNumber(m_c.framerate.text());
    if (q > 0 && f > 0 && m_c.hasfocus == FocusQuality) {
        sizesForQuality(q);
        // The typed figure stays as typed, even where the snapped size differs.
        m_c.videoqualitys.setValue(qualityPosition());
    }
    Refresh_PropError();
}

void FrameGeometry::videoqualitys_Change()
{
    m_core.ParseFields();
    const Real f = LocaleNumber(m_c.framerate.text());
    Slider& slider = m_c.videoqualitys;
    if (f > 0 && m_c.hasfocus == FocusQualitySlider && ToLong(slider.value()) > 0) {
        sizesForQuality(slider.value());
        // Written with focus code 0, so the field's own rule does not run again.
        m_c.videoquality.setText(NumberText(slider.value()));
    }
    Refresh_PropError();
}

} // namespace norv

// SPDX-License-Identifier: GPL-3.0-or-later
// The quality figure, bits per pixel and frame times 10000, set by the user:
// the frame size follows from the video bitrate, the ratio and the multiples.
#include "main_window/norv_main.h"

#include "common/numbers.h"

#include <cmath>

namespace norv {

void Norv_main::widthForQuality(Real quality)
{
    const Real bitrate = VideoBitrate();
    const Real p1 = LocaleNumber(prop1.text());
    const Real p2 = LocaleNumber(prop2.text());
    const Real f = LocaleNumber(framerate.text());
    const Real radicand = bitrate * p1 * 10000 / p2 / f / quality;
    if (radicand < 0) // the power 0.5 of a negative number
        throw RunTimeError(RunTimeError::InvalidArgument);
    const Real s = std::sqrt(radicand.value());
    const Real x = LocaleNumber(xdivisible.text());
    fwidth.setText(NumberText(x * RoundHalfEven(s / x)));
}

void Norv_main::videoquality_GotFocus() { hasfocus = FocusQuality; }
void Norv_main::videoquality_LostFocus() { hasfocus = FocusNone; }
void Norv_main::videoqualitys_GotFocus() { hasfocus = FocusQualitySlider; }
void Norv_main::videoqualitys_LostFocus() { hasfocus = FocusNone; }

void Norv_main::videoquality_Change()
{
    ParseFields();
    const Real q = LocaleNumber(videoquality.text());
    const Real f = LocaleNumber(framerate.text());
    if (q > 0 && f > 0 && hasfocus == FocusQuality) {
        widthForQuality(q);
        heightRule();
        // The typed figure stays as typed, even where the snapped size differs.
        fwidths.setValue(widthInMultiples());
        fheights.setValue(heightInMultiples());
        videoqualitys.setValue(qualityPosition());
    }
    Refresh_PropError();
}

void Norv_main::videoqualitys_Change()
{
    ParseFields();
    const Real f = LocaleNumber(framerate.text());
    if (f > 0 && hasfocus == FocusQualitySlider && ToLong(videoqualitys.value()) > 0) {
        widthForQuality(videoqualitys.value());
        heightRule();
        fwidths.setValue(widthInMultiples());
        fheights.setValue(heightInMultiples());
        // Written with focus code 0, so the field's own rule does not run again.
        videoquality.setText(NumberText(videoqualitys.value()));
    }
    Refresh_PropError();
}

} // namespace norv

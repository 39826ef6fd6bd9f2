// SPDX-License-Identifier: GPL-3.0-or-later
// Width and height follow each other through the aspect ratio, snap to their
// multiples and move with their sliders. Only the handler whose control has
// the focus (hasfocus) does real work; the writes it makes run the other
// handlers, which then only refresh.
#include "main_window/norv_main.h"

#include "common/numbers.h"

namespace norv {

void Norv_main::heightRule()
{
    const Real y = LocaleNumber(ydivisible.text());
    const Real w = LocaleNumber(fwidth.text());
    const Real p1 = LocaleNumber(prop1.text());
    const Real p2 = LocaleNumber(prop2.text());
    fheight.setText(NumberText(y * RoundHalfEven(w / p1 * p2 / y)));
}

void Norv_main::widthRule()
{
    const Real x = LocaleNumber(xdivisible.text());
    const Real h = LocaleNumber(fheight.text());
    const Real p2 = LocaleNumber(prop2.text());
    const Real p1 = LocaleNumber(prop1.text());
    fwidth.setText(NumberText(x * RoundHalfEven(h / p2 * p1 / x)));
}

void Norv_main::qualityRule()
{
    const Real f = LocaleNumber(framerate.text());
    const Real w = LocaleNumber(fwidth.text());
    const Real h = LocaleNumber(fheight.text());
    if (f > 0 && w > 0 && h > 0)
        videoquality.setText(NumberText(Real(VideoBitrate()) / w / h / f * 10000));
}

std::int32_t Norv_main::widthInMultiples()
{
    return ToLong(Real(LocaleNumber(fwidth.text())) / LocaleNumber(xdivisible.text()));
}

std::int32_t Norv_main::heightInMultiples()
{
    return ToLong(Real(LocaleNumber(fheight.text())) / LocaleNumber(ydivisible.text()));
}

std::int32_t Norv_main::qualityPosition() { return ToLong(LocaleNumber(videoquality.text())); }

// Each slider is read and written after the previous write.
void Norv_main::sliderRule()
{
    fwidths.setValue(widthInMultiples());
    fheights.setValue(heightInMultiples());
    videoqualitys.setValue(qualityPosition());
}

void Norv_main::fwidth_GotFocus() { hasfocus = FocusWidth; }
void Norv_main::fheight_GotFocus() { hasfocus = FocusHeight; }
void Norv_main::fwidths_GotFocus() { hasfocus = FocusWidthSlider; }
void Norv_main::fheights_GotFocus() { hasfocus = FocusHeightSlider; }
void Norv_main::fwidths_LostFocus() { hasfocus = FocusNone; }
void Norv_main::fheights_LostFocus() { hasfocus = FocusNone; }

void Norv_main::fwidth_Change()
{
    ParseFields();
    if (hasfocus == FocusWidth) {
        const Real w = LocaleNumber(fwidth.text());
        const Real x = LocaleNumber(xdivisible.text());
        if (w >= x) // a width below one multiple stays as typed
            fwidth.setText(NumberText(x * RoundHalfEven(w / x)));
        heightRule();
        qualityRule();
        sliderRule();
    }
    Refresh_PropError();
}

void Norv_main::fheight_Change()
{
    ParseFields();
    if (hasfocus == FocusHeight) {
        const Real h = LocaleNumber(fheight.text());
        const Real y = LocaleNumber(ydivisible.text());
        if (h >= y)
            fheight.setText(NumberText(y * RoundHalfEven(h / y)));
        widthRule();
        qualityRule();
        sliderRule();
    }
    Refresh_PropError();
}

void Norv_main::fwidths_Change()
{
    ParseFields();
    if (hasfocus == FocusWidthSlider) {
        fwidth.setText(NumberText(Real(LocaleNumber(xdivisible.text())) * fwidths.value()));
        heightRule();
        if (LocaleNumber(fheight.text()) < 1) // at least one multiple high
            fheight.setText(ydivisible.text());
        qualityRule();
        fheights.setValue(heightInMultiples()); // not the slider being moved
        videoqualitys.setValue(qualityPosition());
    }
    Refresh_PropError();
}

void Norv_main::fheights_Change()
{
    ParseFields();
    if (hasfocus == FocusHeightSlider) {
        fheight.setText(NumberText(Real(LocaleNumber(ydivisible.text())) * fheights.value()));
        widthRule();
        if (LocaleNumber(fwidth.text()) < 1)
            fwidth.setText(xdivisible.text());
        qualityRule();
        fwidths.setValue(widthInMultiples());
        videoqualitys.setValue(qualityPosition());
    }
    Refresh_PropError();
}

// Leaving a size field rounds it down to a multiple; nothing else follows.
void Norv_main::fwidth_LostFocus()
{
    ParseFields();
    hasfocus = FocusNone;
    const Real w = LocaleNumber(fwidth.text());
    const Real x = LocaleNumber(xdivisible.text());
    fwidth.setText(NumberText(x * Floor(w / x)));
}

void Norv_main::fheight_LostFocus()
{
    ParseFields();
    hasfocus = FocusNone;
    const Real h = LocaleNumber(fheight.text());
    const Real y = LocaleNumber(ydivisible.text());
    fheight.setText(NumberText(y * Floor(h / y)));
}

} // namespace norv

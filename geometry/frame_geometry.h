// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/calculation_core.h"
#include "common/focus_code.h"
#include "common/maybe_number.h"
#include "common/numbers.h"
#include "common/slider.h"
#include "common/text_box.h"

#include <cstdint>
#include <functional>

namespace norv {

// The main window's controls and variables that the frame geometry works on.
struct FrameControls {
    TextBox& fwidth;
    TextBox& fheight;
    Slider& fwidths;
    Slider& fheights;
    TextBox& prop1;
    TextBox& prop2;
    TextBox& xdivisible;
    TextBox& ydivisible;
    TextBox& framerate;
    TextBox& videoquality;
    Slider& videoqualitys;
    TextBox& properror;
    std::int32_t& hasfocus;
    MaybeNumber& maxwidth;
    std::int16_t& maxheight;
};

// The frame geometry: width and height follow each other through the aspect
// ratio, snap to their size multiples and move with their sliders; the
// quality figure follows the frame, or sets it; the proportion error shows
// the frame's shape against the ratio. Only the handler whose control has the
// focus (hasfocus) does real work; the writes it makes run the other
// handlers, which then only refresh. Every rule reads the texts afresh.
class FrameGeometry : private FieldNumbers {
public:
    FrameGeometry(const Numbers& numbers, CalculationCore& core, const FrameControls& controls);

    void Refresh_PropError();

    void fwidth_GotFocus() { m_c.hasfocus = FocusWidth; }
    void fheight_GotFocus() { m_c.hasfocus = FocusHeight; }
    void fwidths_GotFocus() { m_c.hasfocus = FocusWidthSlider; }
    void fheights_GotFocus() { m_c.hasfocus = FocusHeightSlider; }
    void videoquality_GotFocus() { m_c.hasfocus = FocusQuality; }
    void videoqualitys_GotFocus() { m_c.hasfocus = FocusQualitySlider; }
    void fwidths_LostFocus() { m_c.hasfocus = FocusNone; }
    void fheights_LostFocus() { m_c.hasfocus = FocusNone; }
    void videoquality_LostFocus() { m_c.hasfocus = FocusNone; }
    void videoqualitys_LostFocus() { m_c.hasfocus = FocusNone; }
    void fwidth_LostFocus() { sizeLostFocus(m_width); }
    void fheight_LostFocus() { sizeLostFocus(m_height); }

    void fwidth_Change() { sizeChange(m_width, m_height); }
    void fheight_Change() { sizeChange(m_height, m_width); }
    void fwidths_Change() { sliderChange(m_width, m_height); }
    void fheights_Change() { sliderChange(m_height, m_width); }
    void xdivisible_Change() { multipleChange(m_width, m_height); }
    void ydivisible_Change() { multipleChange(m_height, m_width); }
    void videoquality_Change();
    void videoqualitys_Change();

private:
    // One axis of the frame; the rules are written once over two of them.
    struct Axis {
        TextBox& size;                 // fwidth, fheight
        Slider& slider;                // the size counted in multiples
        TextBox& multiple;             // xdivisible, ydivisible
        TextBox& ratio;                // this axis's term of the ratio: prop1, prop2
        FocusCode fieldFocus;          // the size field has the focus
        FocusCode sliderFocus;         // the slider has the focus
        std::function<double()> most;  // the largest size: maxwidth, maxheight
    };

    void sizeChange(const Axis& axis, const Axis& other);
    void sliderChange(const Axis& axis, const Axis& other);
    void sizeLostFocus(const Axis& axis);
    void multipleChange(const Axis& axis, const Axis& other);

    void deriveSize(const Axis& to, const Axis& from);
    void qualityRule();
    void sliderRule();
    std::int32_t inMultiples(const Axis& axis);
    std::int32_t qualityPosition();
    void widthForQuality(Real quality);
    void sizesForQuality(Real quality);

    CalculationCore& m_core;
    FrameControls m_c;
    Axis m_width;
    Axis m_height;
};

} // namespace norv

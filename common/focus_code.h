// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace norv {

// Which geometry or quality input of the main window has the keyboard focus:
// the main window's hasfocus. Only the handler of that control does real
// work while a chain of writes runs the others.
enum FocusCode : std::int32_t {
    FocusQualitySlider = 0, // also the start value, before any focus event
    FocusWidthSlider = 1,
    FocusHeightSlider = 2,
    FocusQuality = 3,
    FocusWidth = 4,
    FocusHeight = 5,
    FocusNone = 6,
};

} // namespace norv
